#!/usr/bin/env python3
"""What every command does with its standard output, end to end: output that
cannot be written is a failure."""
import os
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks, program, run  # noqa: E402

check = Checks()

COMMANDS = [["units"], ["primes", "100"], ["convert", "1", "m", "ft"], ["elements"],
            ["plot", "x", "0", "1", "0.5"], ["--help"], ["--version"], ["calc", "1+1"], ["hexdump", program()]]


def run_into(args, stdout):
    """`Kvantor2 args...` writing to `stdout`: a file, or None for a closed descriptor."""
    env = dict(os.environ, QT_QPA_PLATFORM="minimal")
    env.pop("DISPLAY", None)
    if stdout is None:
        return subprocess.run([program(), *args], stderr=subprocess.PIPE, text=True, env=env,
                              preexec_fn=lambda: os.close(1), timeout=60)
    with open(stdout, "w") as f:
        return subprocess.run([program(), *args], stdout=f, stderr=subprocess.PIPE, text=True, env=env, timeout=60)


def check_unwritable_output():
    for args in COMMANDS:
        for target in ["/dev/full", None]:
            got = run_into(args, target)
            check(got.returncode == 1 and "Can't write the output" in got.stderr,
                  f"{args} into {target or 'a closed output'}: exit {got.returncode}, {got.stderr[:200]!r}")
        with tempfile.TemporaryDirectory() as tmp:
            got = run_into(args, os.path.join(tmp, "out"))
            check(got.returncode == 0 and got.stderr == "" and os.path.getsize(os.path.join(tmp, "out")) > 0,
                  f"{args} into a file: exit {got.returncode}, {got.stderr[:200]!r}")
    got = run("plot", "x", "0", "1", "0.5", "--png", "/dev/full")
    check(got.returncode == 1 and "Cannot write the picture '/dev/full'" in got.stderr,
          f"plot --png /dev/full: exit {got.returncode}, {got.stderr!r}")


def main():
    check_unwritable_output()
    return check.finish("command output")


if __name__ == "__main__":
    sys.exit(main())
