#!/usr/bin/env python3
"""A million points of sin(x) written to /dev/null by `Kvantor2 plot` and by
awk with printf "%.15g", interleaved in random order, in one run: the
medians of the elapsed and CPU time and their ratio to awk's.

    python3 bench/plot_bench.py [--program build/bin/Kvantor2] [--rounds 11]
"""
import argparse
import os
import random
import resource
import statistics
import subprocess
import time

AWK = ('BEGIN { for (i = 0; i <= 1000000; i++) { x = i * 0.142857142857; '
       'printf "%.15g\\t%.15g\\n", x, sin(x) } }')


def timed(command, env):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(os.devnull, "wb") as sink:
        subprocess.run(command, stdout=sink, env=env, check=True)
    elapsed = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return elapsed, cpu


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", default=os.path.join(root, "build", "bin", "Kvantor2"))
    parser.add_argument("--rounds", type=int, default=11)
    args = parser.parse_args()

    env = dict(os.environ, QT_QPA_PLATFORM="minimal", LC_ALL="C.UTF-8")
    env.pop("DISPLAY", None)
    commands = {
        "Kvantor2 plot": [args.program, "plot", "sin(x)", "0", "142857.142857", "0.142857142857"],
        "awk": ["awk", AWK],
    }
    times = {name: [] for name in commands}
    for _ in range(args.rounds):
        order = list(commands)
        random.shuffle(order)
        for name in order:
            times[name].append(timed(commands[name], env))
    awk = [statistics.median(t[i] for t in times["awk"]) for i in (0, 1)]
    for name, runs in times.items():
        elapsed = statistics.median(t[0] for t in runs)
        cpu = statistics.median(t[1] for t in runs)
        print(f"{name}: {elapsed:.3f} s elapsed ({elapsed / awk[0]:.2f} of awk), "
              f"{cpu:.3f} s CPU ({cpu / awk[1]:.2f} of awk), medians of {args.rounds}")


if __name__ == "__main__":
    main()
