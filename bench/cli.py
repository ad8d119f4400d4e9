#!/usr/bin/env python3
"""The command line against its floors, side by side in one run.

    python3 bench/cli.py [BUILD] [RUNS]

On a store of 10^6 rows (bench/benchdata.py) it times `tessaron --favourites csv`
and `--favourites html` against the `sqlite3` command line reading the same three
columns in the same order, and `tessaron --codes -` on 10^6 names against
bench/io_floor.cpp, which writes the same lines with a fixed code. Each figure is
the median of RUNS runs (default 3) with the output thrown away, with the peak
resident memory of the run; the ratio is to the floor beside it.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import benchdata  # noqa: E402

QUERY = "SELECT Adreca, nom, figura FROM AdrecaFig ORDER BY nom, figura, Adreca"


def run(argv, stdin_path=None, cwd=None):
    """Wall seconds and peak resident MiB of one run."""
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdin=stdin, stdout=subprocess.DEVNULL, cwd=cwd)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    process.returncode = status
    if stdin_path:
        stdin.close()
    return seconds, usage.ru_maxrss / 1024.0


def measure(argv, runs, stdin_path=None, cwd=None):
    results = [run(argv, stdin_path, cwd) for _ in range(runs)]
    return statistics.median(r[0] for r in results), max(r[1] for r in results)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    tessaron = os.path.join(build, "tessaron")
    scratch = os.path.join(tempfile.gettempdir(), "tessaron-bench")
    os.makedirs(scratch, exist_ok=True)
    # The program reads the store that stands beside it: a copy of it in a folder
    # of its own.
    program_dir = os.path.join(scratch, "program")
    os.makedirs(program_dir, exist_ok=True)
    store = benchdata.make_store(os.path.join(scratch, "store-1000000.mdb"), 10**6, tessaron,
                                 os.path.join(build, "make_store"))
    copy = os.path.join(program_dir, "tessaron")
    subprocess.run(["cp", tessaron, copy], check=True)
    link = os.path.join(program_dir, "TESSARON.MDB")
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(store, link)
    names = os.path.join(scratch, "names-1000000.txt")
    if not os.path.exists(names):
        benchdata.write_names(names, 10**6)

    rows = [
        ("--favourites csv", [copy, "--favourites", "csv"], None,
         ["sqlite3", "-csv", store, QUERY], None),
        ("--favourites html", [copy, "--favourites", "html"], None,
         ["sqlite3", "-csv", store, QUERY], None),
        ("--codes -", [copy, "--codes", "-"], names, [os.path.join(build, "io_floor")], names),
    ]
    print(f"{'step':<20}{'tessaron':>12}{'MiB':>8}{'floor':>12}{'MiB':>8}{'ratio':>8}")
    for label, argv, stdin, floor, floor_stdin in rows:
        t, m = measure(argv, runs, stdin)
        ft, fm = measure(floor, runs, floor_stdin)
        print(f"{label:<20}{t:>10.3f} s{m:>8.1f}{ft:>10.3f} s{fm:>8.1f}{t / ft:>8.2f}")


if __name__ == "__main__":
    main()
