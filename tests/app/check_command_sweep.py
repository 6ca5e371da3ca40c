#!/usr/bin/env python3
"""Every command that `Kvantor2 --help` lists, run with arguments no command
takes: wrong counts, empty text, a very long argument, brackets nested deep,
bytes that are no UTF-8, control characters, numbers beyond a double, a
directory, a named pipe nobody writes to, and a full disc as standard output.
No run may end by a signal or hang, none may succeed without printing (nor
print nan or inf), and every message reaches the terminal in a few short
lines without raw control characters."""
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from kvantor_command import Checks, program  # noqa: E402

check = Checks()

# A message is at most this many lines (a usage that wraps, the nearest
# names of an unknown unit, the titles a topic fits) of at most this many
# characters.
MOST_LINES = 24
LONGEST_LINE = 240
# Commands that join the words of their last argument into one text, so that
# one word more than the usage shows is still a text to look for.
JOINED_WORDS = {"constants", "reftable", "element"}
# Longer than any command takes, short of the kernel's limit for one argument.
LONG = b"1" * 100_000
# An expression nested deeper than any stack would take by recursion.
NESTED = b"(" * 60_000 + b"1" + b")" * 60_000


def environment():
    env = dict(os.environ, QT_QPA_PLATFORM="minimal")
    env.pop("DISPLAY", None)
    return env


def run(args, stdout=subprocess.PIPE):
    """`Kvantor2 args...` (bytes) as (status, out, err); status None for a hang."""
    try:
        got = subprocess.run([os.fsencode(program()), *args], stdout=stdout, stderr=subprocess.PIPE,
                             stdin=subprocess.DEVNULL, env=environment(), timeout=20)
    except subprocess.TimeoutExpired:
        return None, b"", b""
    return got.returncode, got.stdout or b"", got.stderr


def help_rows():
    """(name, usage) of every command, read from --help: a row starts two
    spaces in, its usage goes on in lines indented less than the summary."""
    status, out, _ = run([b"--help"])
    check(status == 0, f"--help: exit {status}")
    rows = []
    for line in out.decode().splitlines():
        indent = len(line) - len(line.lstrip(" "))
        if indent == 2 and not line.lstrip().startswith("--"):
            rows.append([line.split()[0], re.split(r" {2,}", line.strip())[0]])
        elif rows and 2 < indent < 25:
            rows[-1][1] += " " + line.strip()
    return rows


def counts(usage):
    """The fewest and most arguments a usage line allows (most None: any)."""
    fewest, most = None, 0
    for alternative in usage.split(" | "):
        words = alternative.split()[1:]  # the command's name first
        depth, required, optional, unbounded = 0, 0, 0, False
        for word in words:
            opening = depth == 0 and word.startswith("[")
            depth += word.count("[") - word.count("]")
            unbounded |= word.rstrip("]").endswith("...")
            if opening or depth > 0 or word.endswith("]"):
                optional += word.strip("[]") != ""
            else:
                required += 1
        fewest = required if fewest is None else min(fewest, required)
        most = None if unbounded or most is None else max(most, required + optional)
    return fewest, most


def check_messages(what, err):
    text = err.decode("utf-8", "replace")
    check(not re.search(r"[\x00-\x08\x0b-\x1f\x7f\x80-\x9f]", text), f"{what}: raw control characters {text[:200]!r}")
    lines = text.splitlines()
    check(len(lines) <= MOST_LINES, f"{what}: {len(lines)} lines of message {text[:300]!r}")
    check(all(len(line) <= LONGEST_LINE for line in lines), f"{what}: a message line longer than {LONGEST_LINE}")
    check(len(text) < 8000, f"{what}: {len(text)} characters of message")


def sweep_row(name, usage, values):
    fewest, most = counts(usage)
    what = f"{name} ({usage})"
    # Wrong counts are bad usage, told with the usage line.
    for count in [fewest - 1, None if most is None else most + 1]:
        if count is None or count < 0:
            continue
        status, _, err = run([name.encode(), *[b"1"] * count])
        if count > fewest and name in JOINED_WORDS:
            check(status in (0, 1), f"{what} with {count} words: exit {status}")
        else:
            check(status == 2 and f"Usage: Kvantor2 {name}".encode() in err,
                  f"{what} with {count} arguments: exit {status}, {err[:200]!r}")
        check_messages(f"{what} with {count} arguments", err)
    if most == 0:
        return
    width = max(fewest, 1)
    plain = [b"1"] * width
    for label, value in values:
        vectors = {tuple([value] * width)} | {tuple(plain[:k] + [value] + plain[k + 1:]) for k in range(min(width, 3))}
        for vector in sorted(vectors):
            status, out, err = run([name.encode(), *vector])
            case = f"{name} with {label} in {[v[:12] for v in vector]}"
            check(status is not None, f"{case}: no end within the time limit")
            if status is None:
                continue
            check(0 <= status < 128, f"{case}: ended by signal ({status})")
            if b"" in vector:
                check(status == 2 and b"is empty" in err, f"{case}: exit {status}, {err[:200]!r}")
            check(status != 0 or out.strip() != b"", f"{case}: success without output")
            check(status != 0 or not re.search(rb"(?i)\b(nan|inf|infinity)\b", out),
                  f"{case}: success printing no number {out[:200]!r}")
            check_messages(case, err)
    # What could not be written is a failure, however the command itself ended.
    status, out, _ = run([name.encode(), *plain])
    with open("/dev/full", "wb") as full:
        full_status, _, err = run([name.encode(), *plain], stdout=full)
    if status == 0 and out:
        check(full_status == 1 and b"Can't write the output" in err,
              f"{what} into /dev/full: exit {full_status}, {err[:200]!r}")
    else:
        check(full_status == status, f"{what} into /dev/full: exit {full_status}, {status} into a pipe")
    check_messages(f"{what} into /dev/full", err)


def main():
    with tempfile.TemporaryDirectory() as tmp:
        pipe = os.path.join(tmp, "pipe")
        os.mkfifo(pipe)
        values = [("empty text", b""), ("a long argument", LONG), ("deep brackets", NESTED),
                  ("no UTF-8", b"\xff\xfe\xc0\x80m"), ("control characters", b"1\x1b[2J\x07\r\xc2\x9b\t"),
                  ("nan", b"nan"), ("1e999999", b"1e999999"), ("a directory", os.fsencode(tmp)),
                  ("a pipe without writer", os.fsencode(pipe))]
        rows = help_rows()
        check(len(rows) >= 20, f"--help lists {len(rows)} commands")
        for name, usage in rows:
            sweep_row(name, usage, values)
    return check.finish("command sweep")


if __name__ == "__main__":
    sys.exit(main())
