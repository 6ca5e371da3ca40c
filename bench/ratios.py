#!/usr/bin/env python3
"""Medians and ratios of paired Google Benchmark results.

Reads the JSON a benchmark writes with repetitions (--benchmark_format=json
--benchmark_repetitions=N) and, for every benchmark "Kvantor<What>/<case>"
that has a peer "<Peer><What>/<case>", prints both medians of the CPU time
and their ratio. Benchmarks without a peer are printed alone. A benchmark
with a "points" counter is shown per point (its time divided by it).

  build/bench/parser_bench --benchmark_enable_random_interleaving=true \\
      --benchmark_repetitions=15 --benchmark_min_time=0.1 --benchmark_format=json \\
      | python3 bench/ratios.py
"""
import json
import re
import statistics
import sys

UNITS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def medians(report):
    times = {}
    for run in report["benchmarks"]:
        if run.get("run_type") == "aggregate":
            continue
        name = run.get("run_name", run["name"])
        per = run.get("points", 1)
        times.setdefault(name, []).append(run["cpu_time"] * UNITS[run["time_unit"]] / per)
    return {name: (statistics.median(t), len(t)) for name, t in times.items()}


def shown(ns):
    return f"{ns / 1e3:.2f} µs" if ns >= 1e3 else f"{ns:.1f} ns"


def main():
    found = medians(json.load(sys.stdin))
    for name, (ours, count) in sorted(found.items()):
        mine = re.match(r"Kvantor(\w+)/(.*)", name)
        if not mine:
            continue
        peers = [(p, v) for p, v in found.items()
                 if p != name and re.fullmatch(r"[A-Z]\w*?" + re.escape(mine[1]) + "/" + re.escape(mine[2]), p)]
        if not peers:
            print(f"{name}: {shown(ours)} (median of {count})")
        for peer, (theirs, _) in peers:
            print(f"{name}: {shown(ours)} / {peer}: {shown(theirs)} = {ours / theirs:.2f} (medians of {count})")


if __name__ == "__main__":
    main()
