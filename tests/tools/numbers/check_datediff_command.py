#!/usr/bin/env python3
"""`Kvantor2 datediff START END` end to end on the built program: the four
figures against Python's own calendar (the whole span in each unit, a month of
30.4375 days, a year of 365.25 days, cut toward zero), and the refusals."""
import math
import sys
from datetime import date
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'support'))
import kvantor_command  # noqa: E402

failures = []


def run(*args):
    r = kvantor_command.run('datediff', *args)
    return r.returncode, r.stdout, r.stderr


def check(got, want, what):
    if got != want:
        failures.append(what)
        print(f'FAIL: {what}: {got!r}, not {want!r}')


for start, end in [('2000-01-01', '2001-03-15'), ('2026-02-10', '2026-01-01'), ('2024-01-01', '2025-01-01'),
                   ('1850-03-01', '1950-02-28'), ('0100-01-01', '9999-12-31')]:
    d = (date.fromisoformat(end) - date.fromisoformat(start)).days
    want = f'Years: {math.trunc(d / 365.25)}\nMonths: {math.trunc(d / 30.4375)}\nDays: {d}\nHours: {d * 24}\n'
    check(run(start, end), (0, want, ''), f'{start} {end}')

for args, err in [(('2001-02-30', '2001-03-01'), "START: '2001-02-30' is not a date YYYY-MM-DD\n"),
                  (('2001-02-03', '2001-2-3'), "END: '2001-2-3' is not a date YYYY-MM-DD\n"),
                  (('2001-02-03', '2001-02-03\n'), "END: '2001-02-03\n' is not a date YYYY-MM-DD\n"),
                  (('0099-12-31', '2001-02-03'), "START: '0099-12-31' lies outside 0100-01-01 to 9999-12-31\n"),
                  (('', '2001-02-03'), 'Kvantor2 datediff: START is empty\n')]:
    check(run(*args), (2 if args[0] == '' else 1, '', err), ' '.join(args))
code, out, err = run('2001-02-03')
check((code, out, 'Usage' in err), (2, '', True), 'one date')

print('datediff_command: ' + ('FAILED' if failures else 'all checks passed'))
sys.exit(1 if failures else 0)
