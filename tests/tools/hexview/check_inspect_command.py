#!/usr/bin/env python3
"""`Kvantor2 inspect FILE OFFSET [--big-endian]` end to end: every field for
random files at random offsets (the last bytes of each file among them) in
both byte orders, against Python's struct, datetime and UTF-8 decoder; the
offset's forms; and the command's failures."""
import codecs
import datetime
import math
import os
import random
import struct
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "support"))
from kvantor_command import Checks, run  # noqa: E402

check = Checks()
PAST = "past the end of the file"
EPOCH = datetime.datetime(1970, 1, 1)


def unix_time(seconds):
    try:
        t = EPOCH + datetime.timedelta(seconds=seconds)
        return "%04d-%02d-%02d %02d:%02d:%02d UTC" % (t.year, t.month, t.day, t.hour, t.minute, t.second)
    except OverflowError:
        return "out of range"


def utf8(rest):
    """The character the bytes start, as the inspector names it."""
    if not rest:
        return PAST
    try:
        text = codecs.getincrementaldecoder("utf-8")().decode(rest[:4], final=False)
    except UnicodeDecodeError as e:
        # Bytes before the failing one decode: the first character is whole.
        if e.start == 0:
            return "invalid"
        text = rest[:e.start].decode("utf-8")
    if not text:
        return PAST
    c = text[0]
    code = ord(c)
    shown = "U+%04X" % code
    if not (code < 0x20 or 0x7F <= code <= 0x9F or code in (0x2028, 0x2029)):
        shown += " " + c
    return shown


def expected(data, at, big):
    """The fields as (name, value, float or None): floats are compared as numbers."""
    order = ">" if big else "<"
    rest = data[at:at + 8]
    fields = []

    def field(name, fmt, show=str):
        size = struct.calcsize(fmt)
        if len(rest) < size:
            fields.append((name, PAST))
        else:
            fields.append((name, show(struct.unpack(order + fmt, rest[:size])[0])))

    for signed, unsigned in ("bB", "hH", "iI", "qQ"):
        field({"b": "int8", "h": "int16", "i": "int32", "q": "int64"}[signed], signed)
        field({"B": "uint8", "H": "uint16", "I": "uint32", "Q": "uint64"}[unsigned], unsigned)
    field("float32", "f", lambda v: v)
    field("float64", "d", lambda v: v)
    field("binary", "B", lambda v: format(v, "08b"))
    field("octal", "B", lambda v: format(v, "03o"))
    fields.append(("utf8", utf8(data[at:at + 4])))
    field("unix32", "i", unix_time)
    field("unix64", "q", unix_time)
    return fields


def same_float(shown, value):
    if math.isnan(value):
        return shown == "NAN"
    if math.isinf(value):
        return shown == ("INF" if value > 0 else "-INF")
    try:
        got = float(shown)
    except ValueError:
        return False
    # Fifteen significant digits.
    return got == value or abs(got - value) <= 5.1e-15 * abs(value)


def compare(path, data, at, big, label):
    args = ["inspect", path, str(at)] + (["--big-endian"] if big else [])
    done = run(*args, env=dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8"))
    check(done.returncode == 0, f"{label}: exit {done.returncode}: {done.stderr}")
    lines = done.stdout.split("\n")
    check(lines[-1] == "", f"{label}: the output does not end with a line break")
    got = [line.split(": ", 1) for line in lines[:-1]]
    want = expected(data, at, big)
    check([g[0] for g in got] == [w[0] for w in want], f"{label}: names {[g[0] for g in got]}")
    for (name, value), (_, shown) in zip(want, (g + [""] if len(g) == 1 else g for g in got)):
        ok = same_float(shown, value) if isinstance(value, float) else shown == value
        check(ok, f"{label} {name}: {shown!r}, expected {value!r}")


def main():
    rng = random.Random(int(os.environ.get("KV_SEED", "20261207")))
    with tempfile.TemporaryDirectory() as folder:
        for n in range(40):
            size = rng.choice([1, 2, 3, 5, 7, 8, 9, 64, rng.randrange(1, 5000)])
            # Plain random bytes, and bytes rich in UTF-8 lead and continuation bytes.
            if n % 3 == 0:
                data = bytes(rng.choice(b"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xed\xa0\x80\xf4\x90\x80A\n")
                             for _ in range(size))
            else:
                data = rng.randbytes(size)
            path = os.path.join(folder, f"random-{n}.bin")
            Path(path).write_bytes(data)
            offsets = {rng.randrange(size), size - 1, max(0, size - 3), max(0, size - 8), size}
            for at in sorted(offsets):
                for big in (False, True):
                    compare(path, data, at, big, f"{n}: {size} bytes at {at}{' big' if big else ''}")

        # Values the random files rarely hold: floats' special values, times at the range's edges.
        special = b"".join([struct.pack("<d", math.inf), struct.pack("<d", -0.0), struct.pack("<f", math.nan),
                            struct.pack("<q", 253402300799), struct.pack("<q", 253402300800),
                            struct.pack("<q", -62135596800), struct.pack("<q", -62135596801),
                            struct.pack("<i", -2**31), struct.pack("<d", 5e-324)])
        path = os.path.join(folder, "special.bin")
        Path(path).write_bytes(special)
        for at in range(0, len(special), 4):
            for big in (False, True):
                compare(path, special, at, big, f"special at {at}")

        # The offset in decimal, after 0x, $ or #: all the same bytes.
        sample = os.path.join(folder, "random-1.bin")
        reference = run("inspect", sample, "0").stdout
        for typed in ["0x0", "0X00", "$0", "#0", "00"]:
            got = run("inspect", sample, typed)
            check(got.returncode == 0 and got.stdout == reference, f"offset {typed!r}: {got.stdout!r}")
        size = len(Path(sample).read_bytes())
        for args, status, says in [
            (["inspect", sample, "1F"], 1, "is not an offset"),
            (["inspect", sample, "-1"], 1, "is not an offset"),
            (["inspect", sample, str(size + 1)], 1, "past the end of the file"),
            (["inspect", sample, "99999999999999999999999"], 1, "is not an offset"),
            (["inspect", os.path.join(folder, "missing"), "0"], 1, "Can't open file"),
            (["inspect", folder, "0"], 1, "Can't open file"),
            (["inspect", sample], 2, "Usage: Kvantor2 inspect"),
            (["inspect", sample, "0", "--little"], 2, "Usage: Kvantor2 inspect"),
        ]:
            got = run(*args)
            check(got.returncode == status and says in got.stderr, f"{args[2:]}: exit {got.returncode}: {got.stderr}")
        # A stream: its bytes are read as far as the fields reach.
        got = run("inspect", "/dev/zero", "0x100")
        check(got.returncode == 0 and "uint64: 0\n" in got.stdout, f"/dev/zero: {got.stdout}{got.stderr}")
    return check.finish("inspect_command")


if __name__ == "__main__":
    sys.exit(main())
