#!/usr/bin/env python3
"""`Kvantor2 element KEY` and `Kvantor2 elements` end to end, against the CSV
sources: the same element by symbol, name or number, its record and details,
every element in the listing, and the keys that name none."""
import csv
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()


def source(name):
    path = os.path.join(os.environ["KV_SOURCE_DIR"], "data", "sources", name)
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(line for line in f if not line.startswith("#")))
    header = [cell.split(":")[0] for cell in rows[0]]
    return {int(r[0]): dict(zip(header, r)) for r in rows[1:]}


def main():
    elements, details = source("elements.csv"), source("all.csv")

    listing = run("elements")
    lines = listing.stdout.splitlines()
    check(listing.returncode == 0 and len(lines) == 118, f"elements: exit {listing.returncode}, {len(lines)} lines")
    for line, (number, e) in zip(lines, sorted(elements.items())):
        words = line.split()
        check(words[:3] == [str(number), e["LETTER"], e["NAME"]] and float(words[3]) == float(e["MASS"]),
              f"elements: {line!r} for {number}")

    for number, keys in [(26, ["Fe", "fe", "26", "Iron"]), (111, ["Rg", "roentgenium"]), (1, ["H"])]:
        e, d = elements[number], details[number]
        outputs = [run("element", key) for key in keys]
        check(all(o.returncode == 0 and o.stdout == outputs[0].stdout for o in outputs), f"{keys}: outputs differ")
        shown = outputs[0].stdout.splitlines()
        check(shown[0] == f"{number} {e['LETTER']} {e['NAME']}", f"{number}: {shown[0]!r}")
        check(shown[1] == "Ar  = " + repr(float(e["MASS"])).removesuffix(".0"), f"{number}: {shown[1]!r}")
        check(shown[2] == "m  = " + "{:.3E}".format(float(e["MASS"]) * 1.66e-27).replace("E-", "E-0") + " kg",
              f"{number}: {shown[2]!r}")
        check(shown[5].endswith(e["ORBIT"]) and len(shown[5]) == 21, f"{number}: shells {shown[5]!r}")
        check(shown[6:] == [d["TIP"], "Year Discovery " + d["TIME"], "Discoverer " + d["DIS"],
                            "Half-Life of most stable iso.: " + d["HALFTIME"], "Density " + d["DENSITY"],
                            "Boiling point : " + d["BOIL_POINT"], "Melting point : " + d["MEL_POINT"],
                            "Electronegativity " + d["ELECTRO"], "Ionization energy " + d["ENERG"],
                            "Oxidation station " + d["OXI"]], f"{number}: details {shown[6:]}")

    for key, status in [("Xx", 1), ("119", 1), ("0", 1), ("", 2)]:
        got = run("element", key)
        check(got.returncode == status and got.stdout == "" and got.stderr, f"{key!r}: exit {got.returncode}")
    check(run("element").returncode == 2 and run("elements", "Fe").returncode == 2, "arguments not checked")
    return check.finish("elements_command")


if __name__ == "__main__":
    sys.exit(main())
