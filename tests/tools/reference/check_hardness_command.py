#!/usr/bin/env python3
"""`Kvantor2 hardness [TABLE]` end to end: the list of the five tables, each
table's headings and rows against the CSV sources the tables are built from,
and numbers that name no table."""
import csv
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()
SOURCES = Path(os.environ["KV_SOURCE_DIR"]) / "data" / "sources"
COLUMNS = [4, 10, 10, 5, 7]


def source_rows(name):
    with open(SOURCES / name, encoding="utf-8", newline="") as f:
        rows = [r for r in csv.reader(f) if r and not r[0].startswith("#")]
    return rows[1:]


def main():
    listing = run("hardness")
    lines = listing.stdout.splitlines()
    check(listing.returncode == 0 and len(lines) == 5, f"list: exit {listing.returncode}, {lines}")
    check(lines[0].startswith("1  Brinell Hardness Numbers (Ball 10 mm"), f"list: {lines[:1]}")
    check(all(line.startswith(f"{k + 1}  ") for k, line in enumerate(lines)), f"list numbers: {lines}")

    rvb, names = source_rows("rvb.csv"), source_rows("nam_1.csv")
    for num, columns in enumerate(COLUMNS, 1):
        shown = run("hardness", str(num))
        out = shown.stdout.splitlines()
        check(shown.returncode == 0 and out[0] == lines[num - 1][3:], f"table {num}: title {out[:1]}")
        heads = out[1:1 + columns]
        check([h.split("  ", 1)[0].strip() for h in heads] == [str(c + 1) for c in range(columns)],
              f"table {num}: heading numbers {heads}")
        texts = [t for t in next(r for r in names if r[0] == str(num))[1:] if t]
        check(all(any(t in h for h in heads) for t in texts[:columns]), f"table {num}: headings {heads}")
        body = out[columns + 3:]
        want = sorted((r for r in rvb if r[0] == str(num)), key=lambda r: float(r[1]))
        check(len(body) == len(want), f"table {num}: {len(body)} rows, source has {len(want)}")
        for got, row in zip(body, want):
            cells = [c for c in row[1:1 + columns]]
            check(got.split() == [c.strip() for c in cells if c.strip()], f"table {num}: {got!r} for {cells}")
            if got.split() != [c.strip() for c in cells if c.strip()]:
                break

    for wrong in ["0", "6", "brinell"]:
        bad = run("hardness", wrong)
        check(bad.returncode == 2 and bad.stdout == "" and "1 to 5" in bad.stderr
              and "Usage: Kvantor2 hardness [TABLE]" in bad.stderr,
              f"{wrong}: exit {bad.returncode}, {bad.stderr!r}")
    return check.finish("hardness_command")


if __name__ == "__main__":
    sys.exit(main())
