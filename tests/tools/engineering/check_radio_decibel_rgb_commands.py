#!/usr/bin/env python3
"""`Kvantor2 wavelength|frequency|decibel|rgb` end to end: radio values
against GNU units and scipy's speed of light, levels against math.log10,
named colours against the W3C colour keywords (webcolors), and the windows'
messages."""
import math
import os
import re
import subprocess
import sys
from pathlib import Path

import scipy.constants
import webcolors

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, program, run  # noqa: E402

check = Checks()


def units(expr, unit):
    out = subprocess.run(["units", "-t", "-d", "15", expr, unit], capture_output=True, text=True, check=True)
    return float(out.stdout.split()[0])


def close(text, want):
    return math.isclose(float(text), want, rel_tol=1e-14)


def boxes(stdout):
    """The three boxes of the radio window as printed, by their captions."""
    return dict(re.findall(r"^(.*?): (\S+) (?:Hz|m|sec)$", stdout, re.M))


def check_radio():
    c = scipy.constants.c
    for hz in ["1000000", "299792458", "7.5e9", "-40"]:
        got = run("wavelength", hz)
        b = boxes(got.stdout)
        check(got.returncode == 0 and b.get("Radio frequency") == hz, f"wavelength {hz}: {got}")
        check(close(b.get("Wavelength", "nan"), c / float(hz)), f"wavelength {hz}: {b}")
        check(close(b.get("Period T=1/f", "nan"), 1 / float(hz)), f"period of {hz}: {b}")
    for metres in ["100", "0.125", "3e-3"]:
        b = boxes(run("frequency", metres).stdout)
        want = units(f"c / {metres} m", "Hz")
        check(close(b.get("Radio frequency", "nan"), want) and close(b["Radio frequency"], c / float(metres)),
              f"frequency {metres}: {b}")
        check(close(b.get("Period T=1/f", "nan"), 1 / float(b["Radio frequency"])), f"period of {metres} m: {b}")
    # As the window shows them: exponents for very small values, 15 digits.
    check(run("wavelength", "1000000").stdout.splitlines()[1:] == ["Wavelength: 299.792458 m", "Period T=1/f: 1E-6 sec"],
          "wavelength 1000000 as shown")
    check(run("frequency", "100").stdout.splitlines()[2] == "Period T=1/f: 3.33564095198152E-7 sec", "frequency 100")


def check_decibel():
    for v2, v1 in [("2", "1"), ("1", "2"), ("1000", "0.001"), ("3.7", "3.7"), ("1e300", "1e-300")]:
        for field, factor in [([], 10), (["--field"], 20)]:
            got = run("decibel", v2, v1, *field)
            want = factor * (math.log10(float(v2)) - math.log10(float(v1)))
            ok = got.returncode == 0 and (close(got.stdout, want) if want else got.stdout == "0\n")
            check(ok, f"decibel {v2} {v1} {field}: {got}")
    check(run("decibel", "2", "1").stdout == "3.01029995663981\n", "decibel 2 1 as shown")
    check(run("decibel", "--field", "2", "1").stdout == "6.02059991327962\n", "--field before the values")


def rgb_lines(r, g, b):
    return f"Red: {r}\nGreen: {g}\nBlue: {b}\nHex 0x{b:02X}{g:02X}{r:02X}\n"


def check_rgb():
    for args, want in [(("18", "52", "86"), (18, 52, 86)), (("300", "0", "-5"), (255, 0, 0)),
                       (("0", "128", "255"), (0, 128, 255))]:
        got = run("rgb", *args)
        check(got.returncode == 0 and got.stdout == rgb_lines(*want), f"rgb {args}: {got}")
    keywords = {"LtGray": "silver", "DkGray": "gray"}
    for name in ["Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver", "Red", "Lime",
                 "Yellow", "Blue", "Fuchsia", "Aqua", "LtGray", "DkGray", "White"]:
        want = webcolors.name_to_rgb(keywords.get(name, name.lower()), "html4")
        got = run("rgb", "cl" + name)
        check(got.returncode == 0 and got.stdout == rgb_lines(*want), f"rgb cl{name}: {got}")
    # A desktop colour with no desktop to ask, or one named but out of reach:
    # said so, never an invented colour, never an abort.
    for display in [None, {"DISPLAY": ":55"}, {"WAYLAND_DISPLAY": "kvantor-none", "XDG_RUNTIME_DIR": "/tmp"}]:
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(display or {})
        got = subprocess.run([program(), "rgb", "clBtnFace"], capture_output=True, text=True, env=env, timeout=60) \
            if display else run("rgb", "clBtnFace")
        check(got.returncode == 1 and got.stdout == "" and
              "clBtnFace is a colour of the desktop, which is not available" in got.stderr, f"rgb clBtnFace {display}: {got}")


def check_failures():
    for args, message, status in [
        (("wavelength", "12,5"), "'12,5' is not a valid floating point value", 1),
        (("wavelength", "0"), "A frequency of 0 has no wavelength", 1),
        (("frequency", "1e-300"), "Floating point overflow", 1),
        (("frequency",), "Usage: Kvantor2 frequency METRES", 2),
        (("decibel", "x", "1"), "'x' is not a valid floating point value", 1),
        (("decibel", "0", "1"), "V2 and V1 must both be greater than 0", 1),
        (("decibel", "1", "2", "3"), "Usage: Kvantor2 decibel", 2),
        (("decibel", "1", ""), "V1 is empty", 2),
        (("rgb", "1", "2", "x"), "'x' is not a valid integer value", 1),
        (("rgb", "clPink"), "'clPink' is no colour of the list", 1),
        (("rgb", "1", "2"), "Usage: Kvantor2 rgb", 2),
    ]:
        got = run(*args)
        check(got.returncode == status and message in got.stderr and got.stdout == "",
              f"{args}: exit {got.returncode}, stderr {got.stderr!r}")


def main():
    check_radio()
    check_decibel()
    check_rgb()
    check_failures()
    return check.finish("radio_decibel_rgb_commands")


if __name__ == "__main__":
    sys.exit(main())
