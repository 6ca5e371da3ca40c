#!/usr/bin/env python3
"""`Kvantor2 char` and `Kvantor2 keys` end to end: characters against
Python's own code page 1252 codec and Unicode database, the refusals, and
the key table."""
import sys
import unicodedata
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()


def expected(code):
    try:
        char = bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return ["Character: ", f"Selected char: Alt +0{code}", f"Hex : {code:03X}", f"Decimal value: {code}",
                f"Unicode: Code {code} is not defined in code page 1252"]
    name = unicodedata.name(char, "DELETE" if code == 127 else "")
    return [f"Character: {char}", f"Selected char: {char if code < 128 else f'Alt +0{code}'}",
            f"Hex : {code:03X}", f"Decimal value: {code}", f"Unicode: U+{ord(char):04X} {name}"]


def main():
    codes = sorted(set(range(32, 256, 9)) | {32, 126, 127, 128, 129, 141, 143, 144, 157, 159, 160, 169, 255})
    for code in codes:
        got = run("char", str(code))
        check(got.returncode == 0 and got.stderr == "", f"{code}: exit {got.returncode}, {got.stderr!r}")
        check(got.stdout.split("\n")[:-1] == expected(code), f"{code}: {got.stdout!r}")

    check(run("char", "€").stdout == run("char", "128").stdout, "the euro sign is not code 128")
    for text, message, status in [("Ж", "'Ж' is not a character of code page 1252", 1), ("", "CODE is empty", 2),
                                  ("\x1b", "'\\x1b' is not a code from 32 to 255", 1),
                                  ("U+0009", "'U+0009' is not a code from 32 to 255", 1)]:
        got = run("char", text)
        check(got.returncode == status and message in got.stderr and got.stdout == "",
              f"{text!r}: exit {got.returncode}, stderr {got.stderr!r}")
    check(run("char").returncode == 2 and run("char", "A", "B").returncode == 2, "not one argument accepted")

    keys = run("keys")
    rows = [line.split() for line in keys.stdout.splitlines()]
    check(keys.returncode == 0 and len(rows) == 90, f"keys: exit {keys.returncode}, {len(rows)} lines")
    check(rows[0] == ["Name", "key", "Value", "key(programming", "language)"], f"keys header: {rows[0]}")
    letters = [[chr(c), f"0x{c:02x}"] for c in range(ord("A"), ord("Z") + 1)]
    check(rows[34:60] == letters, f"keys letters: {rows[34:60]}")
    for row, pair in {1: "Cancel VK_CANCEL", 8: "Esc VK_ESCAPE", 20: "Snapshot VK_SNAPSHOT", 24: "0 0x30",
                      60: "Numpad0 VK_NUMPAD0", 72: "Separator VK_SEPARATOR", 87: "F12 VK_F12",
                      89: "Scroll VK_SCROLL"}.items():
        check(rows[row] == pair.split(), f"keys row {row}: {rows[row]}")
    check(len({keys.stdout.splitlines()[k].index(rows[k][1]) for k in range(1, 90)}) == 1, "keys: ragged columns")
    check(run("keys", "x").returncode == 2, "keys takes an argument")

    return check.finish("char_commands")


if __name__ == "__main__":
    sys.exit(main())
