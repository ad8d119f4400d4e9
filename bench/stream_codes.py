#!/usr/bin/env python3
"""Names per second and peak memory of `tessaron --codes -` on a file of names.

    python3 bench/stream_codes.py [build/tessaron]

Writes 10^4 and 10^6 names (1 to 40 characters from a-z, 0-9 and -) to temporary
files, runs the program on each with its output thrown away, and prints the wall
time, the names per second and the peak resident memory of each run.
"""
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

ALPHABET = "abcdefghijklmnopqrstuvwxyz0123456789-"


def write_names(path, count):
    rng = random.Random(count)
    with open(path, "w") as f:
        for _ in range(count):
            length = rng.randint(1, 40)
            name = rng.choice(ALPHABET[:-1]) + "".join(rng.choice(ALPHABET) for _ in range(length - 1))
            f.write(name + "\n")


def run(binary, path):
    """Wall seconds and peak resident KiB of one run, in a child of its own."""
    pid = os.fork()
    if pid == 0:
        with open(path, "rb") as names, open(os.devnull, "wb") as out:
            os.dup2(names.fileno(), 0)
            os.dup2(out.fileno(), 1)
            os.execv(binary, [binary, "--codes", "-"])
    start = time.perf_counter()
    _, status, usage = os.wait4(pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{binary} failed on {path}")
    return seconds, usage.ru_maxrss


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else "build/tessaron"
    with tempfile.TemporaryDirectory() as folder:
        for count in (10**4, 10**6):
            path = os.path.join(folder, f"names-{count}")
            write_names(path, count)
            seconds, peak_kib = run(binary, path)
            print(f"{count:>9} names: {seconds:7.3f} s, {count / seconds:>10,.0f} names/s, "
                  f"peak RSS {peak_kib / 1024:6.1f} MiB")


if __name__ == "__main__":
    main()
