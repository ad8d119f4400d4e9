#!/usr/bin/env python3
"""`tessaron --import` against the `sqlite3` command line, side by side in one run.

    python3 bench/import.py [BUILD] [RUNS]

The 10^6-row store of bench/benchdata.py is exported once as CSV and as a
bookmarks file. Each run then puts a new empty store (the build's make_store)
beside a copy of the program and times `tessaron --import` of one of the files
into it, and beside it `sqlite3` importing the same CSV into its own new empty
store, same table, same index (`.import --csv --skip 1`). Each figure is the
median of RUNS runs (default 3), with the peak resident memory of the run; the
ratio is to sqlite3's time. A run that does not leave the store holding every
row of the file fails the bench.
"""
import os
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import benchdata  # noqa: E402

ROWS = 10**6


def run(argv, cwd=None):
    """Wall seconds and peak resident MiB of one run, which must succeed."""
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, cwd=cwd)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{argv[0]} ended with status {status}")
    return seconds, usage.ru_maxrss / 1024.0


def rows_in(store):
    db = sqlite3.connect(store)
    count = db.execute("SELECT count(*) FROM AdrecaFig").fetchone()[0]
    db.close()
    return count


def fresh_store(make_store, path):
    if os.path.exists(path):
        os.remove(path)
    subprocess.run([make_store, path], check=True)


def measure(argv, store, make_store, runs, expected):
    results = []
    for _ in range(runs):
        fresh_store(make_store, store)
        results.append(run(argv))
        if rows_in(store) != expected:
            sys.exit(f"{' '.join(argv)} left {rows_in(store)} rows, not {expected}")
    return statistics.median(r[0] for r in results), max(r[1] for r in results)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    tessaron = os.path.join(build, "tessaron")
    make_store = os.path.join(build, "make_store")
    scratch = os.path.join(tempfile.gettempdir(), "tessaron-bench")
    os.makedirs(scratch, exist_ok=True)
    source = benchdata.make_store(os.path.join(scratch, "store-1000000.mdb"), ROWS, tessaron,
                                  make_store)
    expected = rows_in(source)
    # The files to import, written by the program itself from the store.
    exporter = os.path.join(scratch, "export")
    os.makedirs(exporter, exist_ok=True)
    subprocess.run(["cp", tessaron, os.path.join(exporter, "tessaron")], check=True)
    link = os.path.join(exporter, "TESSARON.MDB")
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(source, link)
    files = {}
    for fmt in ("csv", "html"):
        files[fmt] = os.path.join(scratch, f"favourites-{ROWS}.{fmt}")
        with open(files[fmt], "wb") as out:
            subprocess.run([os.path.join(exporter, "tessaron"), "--favourites", fmt], stdout=out,
                           check=True)
    # The program imports into the store that stands beside it.
    program_dir = os.path.join(scratch, "import")
    os.makedirs(program_dir, exist_ok=True)
    copy = os.path.join(program_dir, "tessaron")
    subprocess.run(["cp", tessaron, copy], check=True)
    store = os.path.join(program_dir, "TESSARON.MDB")
    floor_store = os.path.join(scratch, "sqlite3-import.mdb")

    print(f"{'step':<24}{'tessaron':>12}{'MiB':>8}{'sqlite3':>12}{'MiB':>8}{'ratio':>8}")
    ft, fm = measure(["sqlite3", floor_store, f".import --csv --skip 1 {files['csv']} AdrecaFig"],
                     floor_store, make_store, runs, expected)
    for fmt in ("csv", "html"):
        t, m = measure([copy, "--import", files[fmt]], store, make_store, runs, expected)
        label = f"--import {fmt}, 10^6 rows"
        print(f"{label:<24}{t:>10.3f} s{m:>8.1f}{ft:>10.3f} s{fm:>8.1f}{t / ft:>8.2f}")


if __name__ == "__main__":
    main()
