#!/usr/bin/env python3
"""`Kvantor2 primes N` end to end: the list against a plain sieve, the maxima
that list nothing, and the window's messages."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()


def primes_down_from(n):
    marks = bytearray([1]) * (n + 1)
    marks[:2] = b"\0\0"[: n + 1]
    for p in range(2, int(n ** 0.5) + 1):
        if marks[p]:
            marks[p * p :: p] = bytes(len(range(p * p, n + 1, p)))
    return [str(p) for p in range(n, 1, -1) if marks[p]]


def run_primes(*args):
    return run("primes", *args, timeout=120)


def main():
    for n in [2, 3, 10, 777, 1000003]:
        got = run_primes(str(n))
        want = primes_down_from(n)
        check(got.returncode == 0 and got.stderr == "", f"{n}: exit {got.returncode}, {got.stderr!r}")
        check(got.stdout == "".join(p + "\n" for p in want), f"{n}: list differs: {got.stdout[:200]!r}")
    check(len(run_primes("777").stdout.splitlines()) == 137, "777: not 137 lines")

    for n in ["0", "1"]:
        got = run_primes(n)
        check(got.returncode == 0 and got.stdout == "" and got.stderr == f"There are no primes up to {n}\n",
              f"{n}: {got}")

    for text, message, status in [
        ("x12", "'x12' is not a valid integer value", 1),
        ("-4", "N must not be negative", 1),
        ("-2147483648", "N must not be negative", 1),
        ("", "N is empty", 2),
    ]:
        got = run_primes(text)
        check(got.returncode == status and message in got.stderr and got.stdout == "",
              f"{text!r}: exit {got.returncode}, stderr {got.stderr!r}")
    check(run_primes().returncode == 2, "no argument accepted")

    return check.finish("primes_command")


if __name__ == "__main__":
    sys.exit(main())
