#!/usr/bin/env python3
"""What every command does with its standard output and its messages, end to
end: output that cannot be written is a failure, and the messages that echo an
argument reach the terminal harmless."""
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


def check_echoed_arguments():
    long_text = "7" * (120 * 1024)
    for args, shown, status in [
        (["primes", "\x1b]0;owned\x07"], ["'\\x1b]0;owned\\x07' is not a valid integer value"], 1),
        (["convert", "1", "m\x9b2J", "ft"], ["m\\u009b2J"], 1),
        (["no\x1bcommand"], ["Unknown command 'no\\x1bcommand'"], 2),
        (["primes", "x" + long_text], ["'x777", "7…7", "7' is not a valid integer value"], 1),
        (["calc", "2^3^2"], ["Error parsing expression:\n"], 1),
    ]:
        got = run(*args)
        what = repr(" ".join(args)[:40])
        check(got.returncode == status and all(part in got.stderr for part in shown), f"{what}: exit {got.returncode}, "
              f"{got.stderr[:300]!r}")
        check(not any(c in got.stderr for c in "\x1b\x07\x9b\r"), f"{what}: control characters shown raw")
        check(max(len(line) for line in got.stderr.splitlines()) <= 240, f"{what}: a line left long")
        check(len(got.stderr) < 8000, f"{what}: {len(got.stderr)} characters of message")


def main():
    check_unwritable_output()
    check_echoed_arguments()
    return check.finish("command output")


if __name__ == "__main__":
    sys.exit(main())
