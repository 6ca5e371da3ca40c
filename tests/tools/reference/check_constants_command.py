#!/usr/bin/env python3
"""`Kvantor2 constants [TEXT]` end to end: every constant, a selection by part
of the name in any letter case, and a text no name contains."""
import csv
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()


def source_lines():
    """The copy line of every constant, from the CSV source, in name order."""
    path = os.path.join(os.environ["KV_SOURCE_DIR"], "data", "sources", "phcont.csv")
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(line for line in f if not line.startswith("#") and line.strip()))
    rows = [{k.split(":")[0]: v for k, v in r.items()} for r in rows]
    rows.sort(key=lambda r: r["NAME"].casefold())
    return [(r["NAME"], f'{r["NAME"]} {r["VALUE"]} {r["CHAR_VIEW"]}') for r in rows]


def run_constants(*args):
    return run("constants", *args)


def main():
    expected = source_lines()

    every = run_constants()
    check(every.returncode == 0, f"all: exit {every.returncode}: {every.stderr}")
    check(every.stdout.splitlines() == [line for _, line in expected],
          f"all: listing differs from the source:\n{every.stdout[:2000]}")
    check(every.stderr == "", f"all: stderr {every.stderr!r}")

    for text in ["PLANCK", "magneton", "molar volume of ideal gas (273.15 K"]:
        some = run_constants(text)
        want = [line for name, line in expected if text.casefold() in name.casefold()]
        check(len(want) >= 2, f"{text}: the data should hold several matches")
        check(some.returncode == 0 and some.stdout.splitlines() == want,
              f"{text}: exit {some.returncode}, got\n{some.stdout}\nwanted\n" + "\n".join(want))

    # Several words read as one text.
    words = run_constants("speed", "of", "light")
    check(words.stdout.splitlines() == [l for n, l in expected if "speed of light" in n],
          f"words: {words.stdout!r}")

    none = run_constants("no such constant")
    check(none.returncode == 1, f"no match: exit {none.returncode}")
    check(none.stdout == "", f"no match: stdout {none.stdout!r}")
    check("no such constant" in none.stderr, f"no match: stderr {none.stderr!r}")

    return check.finish("constants_command")


if __name__ == "__main__":
    sys.exit(main())
