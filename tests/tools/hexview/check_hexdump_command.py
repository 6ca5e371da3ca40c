#!/usr/bin/env python3
"""`Kvantor2 hexdump FILE` end to end: the dump of files of many sizes against
a dump formatted here, byte for byte, the dump of streams (standard input,
named pipes, /proc, a device without end), and the command's failures."""
import os
import random
import subprocess
import sys
import tempfile
import threading
import time
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


def undump(lines):
    """The bytes a dump shows (offsets below 100000 hexadecimal)."""
    return bytes(int(h, 16) for line in lines.split(b"\r\n") for h in line[8:60].split())


def environment():
    env = dict(os.environ, QT_QPA_PLATFORM="minimal")
    env.pop("DISPLAY", None)
    return env


def hexdump(path, stdin=None):
    return subprocess.run([program(), "hexdump", path], capture_output=True, env=environment(), timeout=120,
                          input=stdin)


def write_in_pieces(fifo, data):
    """Writes into a named pipe once its reader is there, in pieces that cut lines anywhere."""
    with open(fifo, "wb", buffering=0) as pipe:
        for at in range(0, len(data), 999):
            pipe.write(data[at:at + 999])
            if at % 50 == 0:
                time.sleep(0.001)


def streams(folder, rng):
    got = hexdump("/dev/stdin", stdin=b"hello")
    check(got.returncode == 0 and got.stdout == dump(b"hello"), f"standard input: {got}")
    # The program's own memory map names its executable and its stack.
    got = hexdump("/proc/self/maps")
    shown = undump(got.stdout)
    check(got.returncode == 0 and os.path.realpath(program()).encode() in shown and b"[stack]" in shown,
          f"/proc/self/maps: exit {got.returncode}, {shown[:200]!r}")

    fifo = os.path.join(folder, "fifo")
    os.mkfifo(fifo)
    data = rng.randbytes(100003)
    writer = threading.Thread(target=write_in_pieces, args=(fifo, data))
    writer.start()
    got = hexdump(fifo)
    writer.join()
    check(got.returncode == 0 and got.stdout == dump(data), f"a named pipe: exit {got.returncode}, {got.stderr!r}")
    got = hexdump(fifo)
    check(got.returncode == 1 and got.stdout == b""
          and got.stderr == f"Can't open file {fifo}: no program writes to this named pipe\n".encode(),
          f"a named pipe without a writer: {got}")

    # A source without end is dumped until its reader has had enough.
    zero = subprocess.Popen([program(), "hexdump", "/dev/zero"], stdout=subprocess.PIPE, env=environment())
    lines = b"".join(zero.stdout.readline() for _ in range(3))
    zero.stdout.close()
    zero.wait(timeout=60)
    check(lines == dump(bytes(48)), f"/dev/zero: {lines!r}")


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

        # A name that is no UTF-8 is a name all the same: passed on byte for byte.
        for name in [b"a\xff", b"\xe9t\xe9.bin", b"x\xed\xa0\x80y", "café.bin".encode(), "\ufeffmarked.bin".encode()]:
            path = os.path.join(folder.encode(), name)
            Path(path.decode("utf-8", "surrogateescape")).write_bytes(name)
            got = hexdump(path)
            check(got.returncode == 0 and got.stdout == dump(name), f"the name {name!r}: {got}")
        streams(folder, rng)
        shrinking(folder, rng)
        missing = os.path.join(folder, "missing.bin")
        got = run("hexdump", missing)
        check(got.returncode == 1 and "Can't open file" in got.stderr and got.stdout == "", f"missing: {got}")
        got = run("hexdump", folder)
        check(got.returncode == 1 and "Can't open file" in got.stderr, f"a folder: {got}")
        check(run("hexdump").returncode == 2, "no argument accepted")
        check(run("hexdump", "").returncode == 2, "an empty name accepted")
    return check.finish("hexdump_command")


def shrinking(folder, rng):
    """A file cut short while the dump waits on its reader is reported, not dumped short in silence."""
    path = os.path.join(folder, "shrinking.bin")
    data = rng.randbytes(8 << 20)
    with open(path, "wb") as f:
        f.write(data)
    proc = subprocess.Popen([program(), "hexdump", path], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            env=environment())
    first = proc.stdout.read(4096)
    os.truncate(path, 4096)
    rest, err = proc.communicate(timeout=120)
    check(proc.returncode == 1 and f"The file {path} changed while it was read".encode() in err,
          f"a file cut short: exit {proc.returncode}, {err!r}")
    check((first + rest).startswith(dump(data[:4096])), "a file cut short: the dump's start differs")


def first_difference(a, b):
    k = next((k for k in range(min(len(a), len(b))) if a[k] != b[k]), min(len(a), len(b)))
    return f"byte {k}: {a[k:k + 40]!r} against {b[k:k + 40]!r}"


if __name__ == "__main__":
    sys.exit(main())
