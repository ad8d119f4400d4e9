"""Stores and name lists for the benchmarks, made the way users make them.

Names look like domain names people type (syllables, now and then a digit or a
hyphen, 3 to 30 characters), each saved in 1 to 4 families, and the rows are
added in a shuffled order. The addresses come from the program itself
(`tessaron --codes -`), so every row is one the program writes.
"""
import os
import random
import sqlite3
import subprocess

SYLLABLES = ["ka", "lo", "mi", "ne", "ru", "sa", "te", "vi", "zo", "bra", "cle", "dri", "fon",
             "gar", "hel", "jun", "kor", "lim", "mar", "nor", "pel", "quin", "ros", "sol",
             "tra", "ur", "ven", "web", "xen", "yo", "zul", "net", "shop", "casa", "blog"]


def names(count, seed=1):
    rng = random.Random(seed)
    seen = set()
    while len(seen) < count:
        parts = [rng.choice(SYLLABLES) for _ in range(rng.randint(1, 6))]
        if rng.random() < 0.2:
            parts.insert(rng.randrange(len(parts) + 1), str(rng.randint(0, 999)))
        name = ("-" if rng.random() < 0.15 else "").join(parts)[:30]
        seen.add(name)
    result = sorted(seen)
    rng.shuffle(result)
    return result


def write_names(path, count):
    with open(path, "w") as f:
        for name in names(count, seed=count):
            f.write(name + "\n")


def make_store(path, rows, tessaron, make_store_tool):
    """A store of about `rows` rows: rows / 2.155 names in 1 to 4 families each."""
    if os.path.exists(path):
        return path
    rng = random.Random(rows)
    wanted = names(max(1, int(rows / 2.155)), seed=rows)
    codes = subprocess.run([tessaron, "--codes", "-"], input="\n".join(wanted) + "\n",
                           capture_output=True, text=True, check=True).stdout.split("\n")
    table = []
    for i, name in enumerate(wanted):
        lines = codes[4 * i:4 * i + 4]
        for line in rng.sample(lines, rng.randint(1, 4)):
            letter, _, address = line.split("\t")
            table.append((address, name, letter))
    rng.shuffle(table)
    table = table[:rows]
    subprocess.run([make_store_tool, path], check=True)
    db = sqlite3.connect(path)
    db.execute("PRAGMA synchronous=OFF")
    db.executemany("INSERT INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)", table)
    db.commit()
    db.close()
    return path
