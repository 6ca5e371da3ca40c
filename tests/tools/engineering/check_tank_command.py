#!/usr/bin/env python3
"""`Kvantor2 tank` end to end: the shapes in the window's start units against
their closed forms, chosen units against GNU units, and the window's messages."""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
import gnu_units  # noqa: E402
from kvantor_command import Checks, run  # noqa: E402

check = Checks()
START_UNITS = ["litre (cubic decimetre)", "kilogram", "square metre"]


def results(stdout):
    """(value, unit) of the V, m and S lines."""
    rows = []
    for line, sign in zip(stdout.splitlines(), ["V", "m", "S"]):
        head, _, rest = line.partition(" = ")
        number, _, unit = rest.partition(" ")
        rows.append((float(number), unit) if head == sign else (None, line))
    return rows


def close(got, want):
    return got is not None and math.isclose(got, want, rel_tol=1e-12, abs_tol=1e-300)


def main():
    pi = math.pi
    # Shape, values in metres, density in kg/L; volume in litres, mass in kg, area in m².
    for args, volume, area in [
        (["Cylinder", "1", "2"], 2 * pi * 1000, 6 * pi),
        (["sphere", "1.5", "3"], 4 / 3 * pi * 1.5 ** 3 * 1000, 4 * pi * 1.5 ** 2),
        (["Torus", "3", "0.5", "0.5"], pi ** 2 * 3 * 0.25 * 1000, 2 * pi * 3 * (pi * 0.5 + 1)),
        (["Cone", "1", "3", "3"], pi * 1000, pi * math.sqrt(10) + pi),
        (["Prism", "2", "3", "4"], 24000, 52),
        (["Pyramid", "2", "3", "4", "4"], 8000, 6 + 2 * math.sqrt(18.25) + 3 * math.sqrt(17)),
    ]:
        got = run("tank", *args, "--density", "0.8", "kg", "L")
        rows = results(got.stdout)
        check(got.returncode == 0 and got.stderr == "", f"{args}: exit {got.returncode}, {got.stderr!r}")
        check([u for _, u in rows] == START_UNITS, f"{args}: units {rows}")
        for (value, _), want, what in zip(rows, [volume, volume * 0.8, area], "VmS"):
            check(close(value, want), f"{args}: {what} = {value}, want {want}")

    # A cylinder of 1 ft by 2 ft of a liquid of 62.4 lb/ft³ in other units.
    got = run("tank", "cylinder", "1", "2", "--length", "ft", "--density", "62.4", "pound", "ft³",
              "--volume", "US gallon", "--mass", "lb", "--area", "in²")
    wants = gnu_units.evaluate(["2 pi ft^3 / usgallon", "2 pi ft^3 62.4 lb/ft^3 / lb", "6 pi ft^2 / inch^2"])
    rows = results(got.stdout)
    check(got.returncode == 0 and [u for _, u in rows] == ["US gallon", "pound", "square inch"], f"feet: {got}")
    for (value, _), (want, _), what in zip(rows, wants, "VmS"):
        check(close(value, want), f"feet: {what} = {value}, GNU units {want}")

    for args, message, status, zeros in [
        (["cone", "1", "2", "3"], " Wrong input!\n", 1, True),
        (["torus", "3", "1", "2.5"], " Wrong input!\n", 1, True),
        (["cylinder", "0", "2"], "Incorrect input\n", 1, False),
        (["cylinder", "1", "2", "--density", "-1", "kg", "L"], "Incorrect input\n", 1, False),
        (["cylinder", "1", "2", "--length", "kg"], "'kg' is no unit of length\n", 1, False),
        (["cylinder", "1", "2", "--area", "wombat"], "Unknown unit 'wombat'\n", 1, False),
        (["barrel", "1", "2"], "Unknown shape 'barrel'", 2, False),
        (["pyramid", "1", "2", "3"], "Pyramid takes 4 values: a b H h\n", 2, False),
    ]:
        got = run("tank", *args)
        check(got.returncode == status and got.stderr.startswith(message),
              f"{args}: exit {got.returncode}, stderr {got.stderr!r}")
        want_out = "".join(f"{s} = 0 {u}\n" for s, u in zip("VmS", START_UNITS)) if zeros else ""
        check(got.stdout == want_out, f"{args}: stdout {got.stdout!r}")

    return check.finish("tank_command")


if __name__ == "__main__":
    sys.exit(main())
