#!/usr/bin/env python3
"""Commands run on QtCore alone: the dynamic loader's own record (LD_DEBUG=libs)
of every library a command's process initialises, dlopen'd plugins included,
names none of Qt's GUI modules. A command that draws is the control: its
process does load them, so the check can see them when they are there. And
the bare entry, which becomes the bar's program, loads nothing of Qt before
it does."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks, program, run  # noqa: E402

check = Checks()
GUI = re.compile(r"libQt6(Gui|Widgets|Svg|DBus|Network)\.so")


def loaded(record):
    """The libraries the loader initialised, by path, in its record."""
    return set(re.findall(r"calling init: (\S+)", record))


def main():
    with tempfile.TemporaryDirectory() as tmp:
        dump_me = os.path.join(tmp, "some.bin")
        Path(dump_me).write_bytes(bytes(range(40)))
        env = dict(os.environ, LD_DEBUG="libs")
        cases = [  # arguments, a line of the output, whether the process may load the GUI
            (["convert", "1", "mi", "km"], "1.609344", False),
            (["element", "Fe"], "Fe", False),
            (["hexdump", dump_me], ";00010  10 11", False),
            (["calc", "2+3"], "5", False),
            (["plot", "x", "0", "1", "1", "--png", os.path.join(tmp, "x.png")], "1\t1", True),
        ]
        for args, line, draws in cases:
            result = run(*args, env=env)
            libs = loaded(result.stderr)
            gui = sorted(lib for lib in libs if GUI.search(lib))
            check(result.returncode == 0 and line in result.stdout,
                  f"{args}: exit {result.returncode}, out {result.stdout[:200]!r}")
            check(any("libQt6Core.so" in lib for lib in libs), f"{args}: the loader's record is missing")
            if draws:
                check(gui, f"{args}: the drawing command should load the GUI modules")
            else:
                check(not gui, f"{args}: loads {gui}")

        # Bare (no display here, so the bar's program just says so): the
        # entry's own part of the record, up to the exec, has no Qt in it.
        bare_env = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        bare = subprocess.run([program()], capture_output=True, text=True, env=bare_env, timeout=60)
        record = bare.stderr.split("transferring control:", 1)
        entry_libs = loaded(record[0])
        after = loaded(record[-1])
        check(len(record) == 2 and entry_libs and not any("libQt6" in lib for lib in entry_libs),
              f"the bare entry loads {sorted(entry_libs)}")
        check(any("libQt6Widgets.so" in lib for lib in after) and "no display was found" in bare.stderr,
              f"the bare entry should become the bar's program: {bare.stderr[-300:]!r}")

        # An entry whose commands' module is missing says so, and fails.
        alone = os.path.join(tmp, "Kvantor2")
        shutil.copy2(program(), alone)
        broken = run("convert", "1", "mi", "km", prog=alone)
        check(broken.returncode == 1 and broken.stderr.startswith("Kvantor2: can't load the commands: ")
              and broken.stdout == "", f"without its module: exit {broken.returncode}, {broken.stderr!r}")
    return check.finish("core-only commands")


if __name__ == "__main__":
    sys.exit(main())
