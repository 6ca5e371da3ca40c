#!/usr/bin/env python3
"""The dump of a 256 MiB file of random bytes to /dev/null by `Kvantor2
hexdump`, `xxd` and `hexdump -C`, interleaved, in one run: the medians and
the throughput against xxd's.

    python3 bench/hexdump_bench.py [--program build/bin/Kvantor2] [--rounds 5]
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", default=os.path.join(root, "build", "bin", "Kvantor2"))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--mib", type=int, default=256)
    args = parser.parse_args()

    env = dict(os.environ, QT_QPA_PLATFORM="minimal")
    env.pop("DISPLAY", None)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "random.bin")
        with open(path, "wb") as f:
            for _ in range(args.mib):
                f.write(os.urandom(1 << 20))
        tools = {
            "Kvantor2 hexdump": [args.program, "hexdump", path],
            "xxd": ["xxd", path],
            "hexdump -C": ["hexdump", "-C", path],
        }
        times = {name: [] for name in tools}
        names = list(tools)
        for r in range(args.rounds):
            # Each round in another order, so no tool always runs first.
            for name in names[r % len(names):] + names[:r % len(names)]:
                with open(os.devnull, "wb") as null:
                    start = time.perf_counter()
                    subprocess.run(tools[name], stdout=null, check=True, env=env)
                    times[name].append(time.perf_counter() - start)
        size = os.path.getsize(path)
    xxd = statistics.median(times["xxd"])
    print(f"dump of {args.mib} MiB of random bytes to /dev/null, medians of {args.rounds} interleaved rounds:")
    for name in names:
        t = statistics.median(times[name])
        print(f"  {name:18} {t:7.3f} s  {size / t / 1e6:8.1f} MB/s  {xxd / t:5.2f} x xxd")


if __name__ == "__main__":
    main()
