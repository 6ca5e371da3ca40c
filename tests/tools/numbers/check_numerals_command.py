#!/usr/bin/env python3
"""`Kvantor2 numerals N [BASE]` end to end: the three boxes one per line, the
base clamped as the window clamps it, messages on stderr with exit status 1."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
import kvantor_command  # noqa: E402


def run(*args):
    r = kvantor_command.run("numerals", *args)
    return r.stdout.split("\n")[:-1], r.stderr, r.returncode


CASES = [  # args, stdout lines, stderr, exit status
    (["1994"], ["MCMXCIV", format(1994, "b"), "One Thousand Nine Hundred Ninety Four "], "", 0),
    (["5", "3"], ["V", "12", " Five "], "", 0),
    (["255", "40"], ["CCLV", "FF", " Two Hundred Fifty Five "], "", 0),
    (["10", "1"], ["X", "A", " Ten "], "", 0),
    (["32767", "16"], ["M" * 32 + "DCCLXVII", "7FFF", "Thirty Two Thousand Seven Hundred Sixty Seven "], "", 0),
    (["-2147483648", "16"], ["", "-80000000", ""], "Negative numbers not supported\n", 1),
    (["1000000000", "17"], ["", format(10**9, "X"), ""],
     "Num2Dollars only supports up to the millions at this point!\n", 1),
    (["12.5"], ["", "", ""], "'12.5' is not a valid integer value\n", 1),
    (["7", "two"], ["VII", "", ""], "'two' is not a valid integer value\n", 1),
    (["1", "2", "3"], [], "Usage: Kvantor2 numerals N [BASE]\n", 2),
]


def main():
    failures = [f"{args}: got {got!r}" for args, *want in CASES if (got := run(*args)) != tuple(want)]
    for base in range(2, 17):  # every base read back by Python: upper case, no leading zeros
        text = run("-30001", str(base))[0][1]
        if int(text, base) != -30001 or text != text.upper() or text[1] == "0":
            failures.append(f"-30001 in base {base}: {text!r}")
    for message in failures:
        print("FAIL", message)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
