#!/usr/bin/env python3
"""`Kvantor2 resistor|capacitor|ohm|series|parallel` end to end: the values
against Python's own arithmetic, the band names, and the messages on stderr."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()
DIGITS = ["black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "gray", "white"]
MULTIPLIERS = dict(zip(DIGITS[:8], (10 ** k for k in range(8))), white=0.1, grey=0.01, gold=0.1, silver=0.01)


def general(v):
    """The program's number text for moderate magnitudes: 15 significant digits, no trailing zeros."""
    return "%.15g" % v


def scaled(v):
    if v >= 1e6:
        return general(v * 0.000001) + " MOhm"
    return general(v * 0.001) + " KOhm" if v >= 1000 else ""


def main():
    for first, second in [(1, 0), (4, 7), (9, 9)]:
        for name, m in MULTIPLIERS.items():
            v = (first * 10 + second) * m
            got = run("resistor", DIGITS[first], str(second), name.upper())
            want = f"Value: {general(v)} Ohms\n{scaled(v)}\nTolerance: 20%\n"
            check((got.stdout, got.stderr, got.returncode) == (want, "", 0), f"{first}{second} {name}: {got}")

    cases = [  # args, stdout, stderr, status
        (["resistor", "yellow", "violet", "red", "gold"], "Value: 4700 Ohms\n4.7 KOhm\nTolerance: 5%\n", "", 0),
        (["resistor", "brown", "black", "grey", "No Band"], "Value: 0.1 Ohms\n\nTolerance: 20%\n", "", 0),
        (["resistor", "pink", "black", "red"], "", "'pink' is no digit band", 1),
        (["resistor", "brown", "black", "gold", "green"], "", "'green' is no tolerance band", 1),
        (["resistor", "brown", "black"], "", "Usage: Kvantor2 resistor", 2),
        (["capacitor", "violet", "brown", "black", "orange", "green"],
         "Temperature Coefficient, ppm/°C -750\nValue: 10000 pF\nTolerance % 5/0.5\n", "", 0),
        (["capacitor", "black", "1", "0", "gray"], "Temperature Coefficient, ppm/°C    0\nValue: 0.1 pF\nTolerance % 0\n",
         "", 0),
        (["capacitor", "gold", "1", "0", "red"], "", "'gold' is no temperature coefficient band", 1),
        (["ohm", "?", "12", "4"], "I = 3 A\nU = 12 V\nR = 4 Ohms\n", "", 0),
        (["ohm", "0", "0.1", "1"], "I = 0.1 A\nU = 0.1 V\nR = 1 Ohms\n", "", 0),
        (["ohm", "0.25", "?", "8"], "I = 0.25 A\nU = 2 V\nR = 8 Ohms\n", "", 0),
        (["ohm", "3", "1", "?"], f"I = 3 A\nU = 1 V\nR = {general(1 / 3)} Ohms\n", "", 0),
        (["ohm", "1", "2", "3"], "", "Nothing to compute", 1),
        (["ohm", "?", "?", "3"], "", "Nothing to compute", 1),
        (["ohm", "?", "x", "3"], "", "'x' is not a valid floating point value", 1),
        (["series", "100", "220", "330"], "Result R=650\n", "", 0),
        (["series", "100", "abc"], "", "'abc' is not a valid floating point value", 1),
        (["parallel", "100", "100"], "Result R=50\n", "", 0),
        (["parallel", "100", "220", "330"], f"Result R={general(1 / (1 / 100 + 1 / 220 + 1 / 330))}\n", "", 0),
        (["parallel", "100", "0"], "", "Floating point division by zero", 1),
        (["parallel"], "", "Usage: Kvantor2 parallel", 2),
        (["series", "1", ""], "", "R is empty", 2),
    ]
    for args, out, err, status in cases:
        got = run(*args)
        check(got.stdout == out and err in got.stderr and (err or not got.stderr) and got.returncode == status,
              f"{args}: exit {got.returncode}, out {got.stdout!r}, err {got.stderr!r}")
    return check.finish("resist_commands")


if __name__ == "__main__":
    sys.exit(main())
