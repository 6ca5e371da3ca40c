#!/usr/bin/env python3
"""The steel hardness tables' sources (data/sources/rvb.csv, pan.csv, nam_1.csv)
against what they are made from: regenerated from the merged tables and the
heading design they must be unchanged; the Brinell numbers equal the formula
HB = 2F / (pi D (D - sqrt(D^2 - d^2))) and the published rows; every Rockwell
cell is a value some source file prints for that row and column, and a blank
cell one that no source prints; the merged tables still follow from their
sources (the cross-check and its unit tests); and the heading boxes stand over
the grid's columns as the window lays them out."""
import contextlib
import csv
import io
import math
import os
import sys
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
SOURCES = Path(os.environ.get("KV_SOURCE_DIR", Path(__file__).resolve().parents[2])) / "data" / "sources"
HARDNESS = SOURCES / "hardness"
sys.path.insert(0, str(HARDNESS))
import crosscheck  # noqa: E402
import make_tables  # noqa: E402

COLUMNS = [4, 10, 10, 5, 7]
LAYOUTS = {2: ("t1", crosscheck.TABLE1), 3: ("t2", crosscheck.TABLE2), 4: ("t3", crosscheck.TABLE3),
         5: ("t4", crosscheck.TABLE4)}
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def rows(name):
    with open(SOURCES / name, encoding="utf-8", newline="") as f:
        return [r for r in csv.reader(f) if r and not r[0].startswith("#")][1:]


def three_figures(x):
    """Three significant figures, as the Brinell tables print (the values lie between 15 and 1000)."""
    return f"{x:#.3g}".rstrip(".")


def check_generated():
    for name, content in make_tables.generated().items():
        check((SOURCES / name).read_text(encoding="utf-8") == content, f"{name} differs from make_tables.py's")


def check_brinell(rvb):
    brinell = [r for r in rvb if r[0] == "1"]
    check(len(brinell) == 500, f"Brinell rows: {len(brinell)}")
    for r in brinell:
        d = float(r[1])
        want = [three_figures(2 * f / (math.pi * 10 * (10 - math.sqrt(100 - d * d)))) for f in (500, 1500, 3000)]
        check(r[2:5] == want, f"Brinell d={r[1]}: {r[2:5]}, formula {want}")
    by_d = {float(r[1]): r[4] for r in brinell}
    published = 0
    for path in sorted((HARDNESS / "sources").glob("t0_*.csv")):
        with open(path, newline="") as f:
            for row in csv.DictReader(f):
                for col, text in row.items():
                    if col != "d_mm" and text.strip():
                        published += 1
                        check(by_d.get(float(row["d_mm"])) == text.strip(), f"{path.name} d={row['d_mm']}: {text}")
    check(published >= 200, f"only {published} published Brinell values")


def check_rockwell(rvb):
    for num, (prefix, layout) in LAYOUTS.items():
        sources = crosscheck.load_sources(prefix)
        table = [r for r in rvb if r[0] == str(num)]
        check(len(table) > 0, f"table {num} has no rows")
        for r in table:
            key = int(r[1])
            for col, text in zip(layout["cols"], r[2:2 + COLUMNS[num - 1] - 1]):
                printed = [t for _, t in crosscheck.candidates(sources, key, layout["cols"][col])]
                if text:
                    check(text in printed, f"table {num} {layout['key']} {key} {col}: {text} not in {printed}")
                else:
                    check(not printed, f"table {num} {layout['key']} {key} {col}: blank, sources print {printed}")


def check_headings():
    pan, names = rows("pan.csv"), {r[0]: r[1:] for r in rows("nam_1.csv")}
    for num, columns in enumerate(COLUMNS, 1):
        width = 777 // 4 - 9 if num == 1 else (777 - 40) // columns
        edges = {6 + c * width for c in range(columns + 1)}
        boxes = [[int(v) if v not in "TF" else v == "T" for v in r[1:]] for r in pan if r[0] == str(num)]
        texts = [t for t in names[str(num)] if t]
        check(columns <= len(boxes) <= 11 and len(texts) == len(boxes), f"table {num}: {len(boxes)} boxes")
        for i, (left, top, height, w, visible, colour) in enumerate(boxes):
            check(0 <= colour <= 5 and visible and top >= 2 and top + height <= 122,
                  f"table {num} box {i}: colour {colour}, top {top}, height {height}")
            if i < columns:
                check((left, w) == (6 + i * width, width), f"table {num} box {i} is not over its column")
            else:
                check(left in edges and left + w in edges, f"table {num} group box {i} ends between columns")


def check_merged_tables():
    with contextlib.redirect_stdout(io.StringIO()) as out:
        status = crosscheck.main()
    check(status == 0, "the cross-check fails:\n" + out.getvalue())
    report = (HARDNESS / "crosscheck_report.txt").read_text(encoding="utf-8")
    check(report == out.getvalue(), "crosscheck_report.txt is not the cross-check's output")
    suite = unittest.defaultTestLoader.loadTestsFromName("test_crosscheck")
    result = unittest.TextTestRunner(stream=io.StringIO()).run(suite)
    check(result.wasSuccessful(), f"test_crosscheck: {result.failures + result.errors}")


def main():
    rvb = rows("rvb.csv")
    check_generated()
    check_brinell(rvb)
    check_rockwell(rvb)
    check_headings()
    check_merged_tables()
    print("hardness tables: " + ("FAILED" if failures else "all checks passed"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
