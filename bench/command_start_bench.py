#!/usr/bin/env python3
"""A command's whole run, `Kvantor2 convert 1 mi km`, beside a QtCore program
that prints one number and GNU units converting the same, in random order in
each round: medians of the processor time (user + system, from the process's
own accounting) and of the wall time, and the ratios to both peers.

    python3 bench/command_start_bench.py [--rounds 200]
"""
import argparse
import os
import random
import statistics
import subprocess
import time


def timed(command, env):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, env=env)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{command} failed with status {status}")
    return usage.ru_utime + usage.ru_stime, wall


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--rounds", type=int, default=200)
    args = parser.parse_args()
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    peers = {
        "Kvantor2 convert 1 mi km": [os.path.join(args.build, "bin", "Kvantor2"), "convert", "1", "mi", "km"],
        "QtCore program": [os.path.join(args.build, "bench", "core_print")],
        "units -t '1 mi' km": ["units", "-t", "1 mi", "km"],
    }
    cpu = {name: [] for name in peers}
    wall = {name: [] for name in peers}
    names = list(peers)
    for _ in range(args.rounds):
        random.shuffle(names)
        for name in names:
            c, w = timed(peers[name], env)
            cpu[name].append(c)
            wall[name].append(w)
    ours = "Kvantor2 convert 1 mi km"
    print(f"medians of {args.rounds} rounds, each in random order:")
    for name in peers:
        print(f"  {name:26} cpu {statistics.median(cpu[name]) * 1e3:6.2f} ms   wall {statistics.median(wall[name]) * 1e3:6.2f} ms")
    for peer in names:
        if peer == ours:
            continue
        print(f"  Kvantor2 / {peer:22} cpu {statistics.median(cpu[ours]) / statistics.median(cpu[peer]):5.2f}"
              f"   wall {statistics.median(wall[ours]) / statistics.median(wall[peer]):5.2f}")


if __name__ == "__main__":
    main()
