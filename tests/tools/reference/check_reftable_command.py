#!/usr/bin/env python3
"""`Kvantor2 reftable [TOPIC]` end to end: the list of topics against the
topics' index, one topic against its source file (headings first, aligned),
and the messages for a topic that is not there or not one."""
import csv
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

TOPICS = Path(__file__).resolve().parents[3] / "data" / "sources" / "topics"
check = Checks()


def source(name):
    with open(TOPICS / name, encoding="utf-8") as f:
        return list(csv.reader(line for line in f if not line.startswith("#")))


def main():
    index = source("topics.csv")[1:]
    got = run("reftable")
    titles = sorted((r[0] for r in index), key=str.casefold)
    check(got.returncode == 0 and got.stdout.splitlines() == titles, f"list: {got.stdout[:300]!r}")

    for wanted, title in [("SI prefixes", "SI prefixes"), ("greek", "Greek alphabet")]:
        got = run("reftable", *wanted.split())
        rows = source(next(r[3] for r in index if r[0] == title))
        lines = got.stdout.splitlines()
        check(got.returncode == 0 and len(lines) == len(rows), f"{wanted}: exit {got.returncode}, {len(lines)} lines")
        # Each line holds its row's cells at the columns the widest cells set.
        widths = [max(len(r[c]) for r in rows) for c in range(len(rows[0]))]
        for line, row in zip(lines, rows):
            want = "  ".join(cell.ljust(w) for cell, w in zip(row, widths)).rstrip()
            check(line == want, f"{wanted}: {line!r} is not {want!r}")

    # Rows in their readers' order, read from the printed lines alone.
    lines = run("reftable", "SI", "prefixes").stdout.splitlines()[1:]
    factors = [int(line.split()[-1].replace("10^", "")) for line in lines]
    check(len(factors) == 24 and factors == sorted(factors, reverse=True) and factors[0] == 30,
          f"SI prefixes not by factor: {factors}")
    check([line.split()[0] for line in lines][:3] == ["quetta", "ronna", "yotta"], f"SI prefixes: {lines[:3]}")
    lines = run("reftable", "NATO").stdout.splitlines()[1:]
    check([line[0] for line in lines[:36]] == [chr(c) for c in range(65, 91)] + list("0123456789"),
          f"NATO alphabet not by letter: {[line[:4] for line in lines]}")
    lines = run("reftable", "Morse").stdout.splitlines()[1:]
    check(lines[0].startswith("A ") and lines[25].startswith("Z ") and lines[-1].lstrip().startswith("-.-.-"),
          f"Morse not letters first, signals last: {lines[0]!r} {lines[25]!r} {lines[-1]!r}")

    for args, message in [(["no such topic"], 'No reference table\'s title contains "no such topic"'),
                          (["E-series"], '"E-series" names several reference tables')]:
        got = run("reftable", *args)
        check(got.returncode == 1 and message in got.stderr and got.stdout == "", f"{args}: {got}")
    return check.finish("reftable_command")


if __name__ == "__main__":
    sys.exit(main())
