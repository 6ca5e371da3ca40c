#!/usr/bin/env python3
"""Write the reference tables window's three table sources from the topics.

topics.csv lists the topics in the order the window lists them; topic k of
that list (from 1) gets the table number INDEX k. Each topic's own file holds
its column headings (first row) and its body rows in the order the window
shows them. From them:

    ../all_name.csv  one record per topic: NAME, KOL, FON, INDEX
    ../all_z.csv     one heading record per topic: INDEX, heading 1..KOL
    ../all_db.csv    one record per body row: INDEX, cell 1..KOL, NAME

The window reads all_db.dbf ordered by its field NAME. NAME is therefore
the row's place in its topic file ("0001", "0002", ...) and sits after the
ten text columns, where no topic shows it: the rows come out in the order
the topic file gives them, whatever their first column holds.

Unused columns stay blank. Run after build_topics.py:

    python3 make_tables.py           # rewrite the three sources
    python3 make_tables.py --check   # exit 1 when a source is not up to date
"""
import csv
import io
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.dirname(HERE)
COLUMNS = 10   # all_db.dbf and all_z.dbf hold INDEX and ten text columns
NOTE = "# Written by topics/make_tables.py from topics/*.csv; edit those, not this file.\n"

HEADERS = {
    "all_name.csv": "NAME:C:60,KOL:N:2:0,FON:C:32,INDEX:N:4:0",
    "all_z.csv": "INDEX:N:4:0," + ",".join("COL%d:C:40" % c for c in range(1, COLUMNS + 1)),
    "all_db.csv": "INDEX:N:4:0," + ",".join("COL%d:C:40" % c for c in range(1, COLUMNS + 1)) + ",NAME:C:4",
}


def rows_of(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return list(csv.reader(line for line in f if not line.startswith("#")))


def tables():
    """The three sources' texts, keyed by file name."""
    out = {name: io.StringIO() for name in HEADERS}
    writers = {}
    for name, header in HEADERS.items():
        out[name].write(NOTE + header + "\n")
        # quote every text cell, so a cell with leading blanks keeps them
        writers[name] = csv.writer(out[name], lineterminator="\n", quoting=csv.QUOTE_NONNUMERIC)
    for index, (title, kol, fon, file_name, _count) in enumerate(rows_of("topics.csv")[1:], 1):
        headings, *body = rows_of(file_name)
        blanks = [""] * (COLUMNS - len(headings))
        writers["all_name.csv"].writerow([title, int(kol), fon, index])
        writers["all_z.csv"].writerow([index] + headings + blanks)
        for place, row in enumerate(body, 1):
            writers["all_db.csv"].writerow([index] + row + blanks + ["%04d" % place])
    return {name: text.getvalue() for name, text in out.items()}


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for name, text in tables().items():
        path = os.path.join(SOURCES, name)
        if check:
            with open(path, encoding="utf-8") as f:
                if f.read() != text:
                    stale.append(name)
        else:
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(text)
    if stale:
        print("not up to date with topics/ (run data/sources/topics/make_tables.py): " + ", ".join(stale))
        return 1
    print("1 passed, 0 failed" if check else "written: " + ", ".join(HEADERS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
