#!/usr/bin/env python3
"""`Kvantor2 datediff START END` end to end on the built program, without a
display: the four figures against Python's own calendar arithmetic (each the
whole span in one unit, a mean month of 30.4375 days, a mean year of 365.25
days, cut toward zero), and the refusals of dates that cannot be read."""
import math
import os
import subprocess
import sys
from datetime import date
from pathlib import Path

failures = []
PROG = Path(os.environ['KV_BIN_DIR']) / 'Kvantor2'
ENV = dict(os.environ, LC_ALL='C.UTF-8')
ENV.pop('DISPLAY', None)
ENV.pop('WAYLAND_DISPLAY', None)


def check(cond, what):
    if not cond:
        failures.append(what)
        print('FAIL:', what)


def run(*args):
    return subprocess.run([str(PROG), 'datediff', *args], capture_output=True, text=True, env=ENV, timeout=60)


def expected(start, end):
    days = (date.fromisoformat(end) - date.fromisoformat(start)).days
    return (f'Years: {math.trunc(days / 365.25)}\nMonths: {math.trunc(days / 30.4375)}\n'
            f'Days: {days}\nHours: {days * 24}\n')


SPANS = [('2026-12-07', '2026-12-07'), ('2026-12-07', '2026-12-08'), ('2024-02-01', '2024-03-02'),
         ('2024-01-01', '2024-02-01'), ('2023-01-01', '2024-01-01'), ('2024-01-01', '2025-01-01'),
         ('2026-12-08', '2026-12-07'), ('2026-02-10', '2026-01-01'), ('2000-01-01', '2001-03-15'),
         ('1988-01-01', '1992-01-01'), ('1850-03-01', '1950-02-28'), ('0100-01-01', '9999-12-31')]

BAD = [(('2001-02-30', '2001-03-01'), 'START', "'2001-02-30' is not a date YYYY-MM-DD"),
       (('2001-02-03', '3.4.2001'), 'END', "'3.4.2001' is not a date YYYY-MM-DD"),
       (('2001-02-03', '2001-2-3'), 'END', "'2001-2-3' is not a date YYYY-MM-DD"),
       (('0099-12-31', '2001-02-03'), 'START', "'0099-12-31' lies outside 0100-01-01 to 9999-12-31")]


def main():
    for start, end in SPANS:
        r = run(start, end)
        check((r.returncode, r.stdout, r.stderr) == (0, expected(start, end), ''),
              f'{start} {end}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')
    r = run('2000-01-01', '2001-03-15')
    check(r.stdout == 'Years: 1\nMonths: 14\nDays: 439\nHours: 10536\n', f'the worked example: {r.stdout!r}')

    for args, name, message in BAD:
        r = run(*args)
        check(r.returncode == 1 and r.stdout == '' and r.stderr == f'{name}: {message}\n',
              f'{args}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')
    for args in [('2001-02-03',), ('2001-02-03', '2001-02-04', '2001-02-05')]:
        r = run(*args)
        check(r.returncode == 2 and r.stdout == '' and 'Usage' in r.stderr, f'{args}: exit {r.returncode}')
    r = run('', '2001-02-03')
    check((r.returncode, r.stderr) == (2, 'Kvantor2 datediff: START is empty\n'), f'empty START: {r.stderr!r}')

    print('datediff_command: ' + ('FAILED' if failures else 'all checks passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
