#!/usr/bin/env python3
"""`Kvantor2 tables` end to end: a copy of the program with its tables, then
with the units table missing, damaged or cut short."""
import os
import shutil
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()


TABLES = ["members.DBF", "class.dbf", "phcont.dbf", "all_name.DBF", "all_db.dbf",
          "all_z.dbf", "rvb.dbf", "pan.dbf", "nam_1.dbf", "elements.dbf", "all.dbf"]


def overwrite_start(path, data):
    with open(path, "r+b") as f:
        f.write(data)


def main():
    bin_dir = os.environ["KV_BIN_DIR"]
    with tempfile.TemporaryDirectory() as tmp:
        for name in os.listdir(bin_dir):
            if name in ("Kvantor2", "lib") or name.lower().endswith((".dbf", ".mdx")):
                copy = shutil.copytree if name == "lib" else shutil.copy2
                copy(os.path.join(bin_dir, name), os.path.join(tmp, name))
        prog = os.path.join(tmp, "Kvantor2")

        good = run("tables", prog=prog)
        check(good.returncode == 0, f"all tables present: exit {good.returncode}\n{good.stdout}{good.stderr}")
        for name in TABLES:
            check(f"{name}: opened" in good.stdout, f"{name} not reported opened:\n{good.stdout}")
        check("tags: CLASS (CLASS)" in good.stdout, "units tags missing")

        # A table that is gone or damaged closes that table only.
        for table in ["members.DBF", "elements.dbf", "all.dbf"]:
            path = os.path.join(tmp, table)
            shutil.copy2(path, path + ".good")
            damages = [("missing", lambda: os.remove(path)),
                       ("damaged", lambda: overwrite_start(path, b"\x00" * 40)),
                       ("cut short", lambda: os.truncate(path, 10))]
            for what, spoil in damages:
                shutil.copy2(path + ".good", path)
                spoil()
                bad = run("tables", prog=prog)
                check(bad.returncode == 1, f"{table} {what}: exit {bad.returncode}")
                first = [l for l in bad.stdout.splitlines() if l.startswith(table + ":")]
                check(first and "NOT OPENED" in first[0] and table in first[0].split("NOT OPENED", 1)[1],
                      f"{table} {what}: the error should name the file:\n{bad.stdout}")
                for name in TABLES:
                    check(name == table or f"{name}: opened" in bad.stdout,
                          f"{table} {what}: {name} should be open:\n{bad.stdout}")
            shutil.copy2(path + ".good", path)

    return check.finish("tables command")


if __name__ == "__main__":
    sys.exit(main())
