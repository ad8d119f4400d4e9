#!/usr/bin/env python3
"""The favourites window on stores of 10^3 and 10^6 rows, side by side.

    python3 bench/window.py [BUILD] [RUNS]

Makes the two stores (bench/benchdata.py: shuffled names that look like users'
own, in 1 to 4 families each), runs bench/favourites_window.cpp RUNS times
(default 3) on each under the offscreen platform, and prints the median of each
step (figure mode filled, the first list's drop-down shown, the window closed) and
the resident memory after figure mode and after the close, with the ratio of
10^6 to 10^3.
"""
import os
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import benchdata  # noqa: E402

STEPS = ["figure mode (ms)", "drop-down (ms)", "close (ms)", "memory after figure (MiB)",
         "memory after close (MiB)"]


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    tool = os.environ.get("FAVOURITES_WINDOW", os.path.join(build, "favourites_window"))
    scratch = os.path.join(tempfile.gettempdir(), "tessaron-bench")
    os.makedirs(scratch, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    medians = {}
    for rows in (10**3, 10**6):
        store = benchdata.make_store(os.path.join(scratch, f"store-{rows}.mdb"), rows,
                                     os.path.join(build, "tessaron"),
                                     os.path.join(build, "make_store"))
        subprocess.run([tool, store], env=env, capture_output=True, check=True)  # warm-up
        figures = []
        for _ in range(runs):
            out = subprocess.run([tool, store], env=env, capture_output=True, text=True,
                                 check=True).stdout.split()
            figures.append([float(x) for x in out])
        medians[rows] = [statistics.median(f[i] for f in figures) for i in range(len(STEPS))]
    print(f"{'step':<28}{'10^3':>10}{'10^6':>10}{'ratio':>8}")
    for i, step in enumerate(STEPS):
        small, large = medians[10**3][i], medians[10**6][i]
        print(f"{step:<28}{small:>10.2f}{large:>10.2f}{large / small:>8.2f}")


if __name__ == "__main__":
    main()
