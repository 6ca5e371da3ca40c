#!/usr/bin/env python3
"""`Kvantor2 primes N` beside `primesieve N -p`, both writing to /dev/null.

The two programs take turns (the order swaps every round); the wall times'
medians and their ratio are printed for each N.

  python3 bench/primes_bench.py [--rounds 7] [--program build/bin/Kvantor2] [N ...]
"""
import argparse
import os
import statistics
import subprocess
import time


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "Kvantor2"))
    parser.add_argument("maxima", nargs="*", type=int, default=[10**8, 10**9])
    args = parser.parse_args()
    env_program = [args.program, "primes"]
    for n in args.maxima:
        ours, theirs = [], []
        for r in range(args.rounds):
            pair = [(ours, env_program + [str(n)]), (theirs, ["primesieve", str(n), "-p"])]
            for times, command in pair if r % 2 == 0 else reversed(pair):
                times.append(timed(command))
        a, b = statistics.median(ours), statistics.median(theirs)
        print(f"N = {n}: Kvantor2 primes {a:.3f} s, primesieve -p {b:.3f} s, "
              f"ratio {a / b:.2f} (medians of {args.rounds})")


if __name__ == "__main__":
    main()
