#!/usr/bin/env python3
"""`Kvantor2 hexdump FILE` end to end: the dump of files of many sizes against
a dump formatted here, byte for byte, and the command's failures."""
import os
import random
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, program, run  # noqa: E402

check = Checks()


def dump(data):
    lines = []
    for at in range(0, len(data), 16):
        chunk = data[at:at + 16]
        hexes = "".join("%02X " % b + (" " if k % 4 == 3 else "") for k, b in enumerate(chunk))
        text = "".join(chr(b) if 32 <= b <= 126 else "." for b in chunk)
        lines.append((";%05X  " % at + hexes).ljust(62) + text + "\r\n")
    return "".join(lines).encode("ascii")


def hexdump(path):
    env = dict(os.environ, QT_QPA_PLATFORM="minimal")
    env.pop("DISPLAY", None)
    return subprocess.run([program(), "hexdump", path], capture_output=True, env=env, timeout=120)


def main():
    rng = random.Random(16)
    with tempfile.TemporaryDirectory() as folder:
        for size in [0, 1, 15, 16, 17, 4096, 70001, (1 << 20) + 5, 3 << 20]:
            data = rng.randbytes(min(size, 70001))
            data = (data * (size // max(len(data), 1) + 1))[:size]
            path = os.path.join(folder, "f%d.dat" % size)
            Path(path).write_bytes(data)
            got = hexdump(path)
            check(got.returncode == 0 and got.stderr == b"", f"{size}: exit {got.returncode}, {got.stderr!r}")
            want = dump(data)
            if got.stdout != want:
                check(False, f"{size}: dump differs near {first_difference(got.stdout, want)}")

        missing = os.path.join(folder, "missing.bin")
        got = run("hexdump", missing)
        check(got.returncode == 1 and "Can't open file" in got.stderr and got.stdout == "", f"missing: {got}")
        got = run("hexdump", folder)
        check(got.returncode == 1 and "Can't open file" in got.stderr, f"a folder: {got}")
        check(run("hexdump").returncode == 2, "no argument accepted")
        check(run("hexdump", "").returncode == 2, "an empty name accepted")
    return check.finish("hexdump_command")


def first_difference(a, b):
    k = next((k for k in range(min(len(a), len(b))) if a[k] != b[k]), min(len(a), len(b)))
    return f"byte {k}: {a[k:k + 40]!r} against {b[k:k + 40]!r}"


if __name__ == "__main__":
    sys.exit(main())
