#!/usr/bin/env python3
"""The converter's commands end to end on the built program, without a display:
what goes to standard output, what to standard error, and the exit status."""
import os
import subprocess
import sys
from pathlib import Path

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print('FAIL:', what)


def main():
    prog = Path(os.environ['KV_BIN_DIR']) / 'Kvantor2'
    env = dict(os.environ, LC_ALL='C.UTF-8', QT_QPA_PLATFORM='minimal')
    env.pop('DISPLAY', None)

    def run(*args, **extra):
        return subprocess.run([str(prog), *args], capture_output=True, text=True,
                              env=dict(env, **extra), timeout=60)

    # Results: exactly the text of the result box, one line, nothing on stderr.
    for args, printed in [(('convert', '100', '°C', '°F'), '212\n'),
                          (('convert', '32', 'fahrenheit', 'CELSIUS'), '0\n'),
                          (('convert', '212', 'Fahrenheit', 'Celsius'), '100\n'),
                          (('convert', '1', 'Gbit', 'GB'), '0.125\n'),
                          (('convert', '1', 'liter', 'US gallon'), '0.264172052358148\n'),
                          (('convert', '1', 'metre', 'foot'), '3.28083989501312\n'),
                          (('convert', '-1e20', 'byte', 'kB'), '-1E17\n')]:
        r = run(*args)
        check((r.returncode, r.stdout, r.stderr) == (0, printed, ''),
              f'{" ".join(args)}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')

    # A script's numbers read alike in every locale: the dot always, the
    # locale's own separator too; results are printed as the window shows them.
    for lang, args, printed in [('de_DE.UTF-8', ('convert', '1.5', 'm', 'ft'), '4,92125984251969\n'),
                                ('de_DE.UTF-8', ('convert', '1,5', 'm', 'ft'), '4,92125984251969\n'),
                                ('de_DE.UTF-8', ('decibel', '2.5', '1'), '3,97940008672038\n'),
                                ('de_DE.UTF-8', ('calc', 'x*2', 'x=1.25'), '2,5\n'),
                                ('C.UTF-8', ('convert', '1.5', 'm', 'ft'), '4.92125984251969\n')]:
        r = run(*args, LC_ALL=lang, LANG=lang)
        check((r.returncode, r.stdout, r.stderr) == (0, printed, ''),
              f'{lang} {" ".join(args)}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')
    r = run('convert', '1,5', 'm', 'ft')
    check(r.returncode == 1 and "It's not a float number" in r.stderr, f'C: 1,5 is no number: {r}')

    # Mistakes: a message on stderr, nothing on stdout, a failing status (the
    # messages themselves are the converter tests' business).
    for args, status, message in [
            (('convert', 'abc', 'metre', 'foot'), 1, "It's not a float number"),
            (('convert', '1', 'metrr', 'foot'), 1, '  metre (m), Length'),
            (('convert', '1', 'Mm', 'm'), 1, "Unknown unit 'Mm'; did you mean:\n  millimetre (mm), Length"),
            (('convert', '1', 'cal', 'J'), 1, "Unknown unit 'cal'; did you mean:\n  food calorie (Cal, kcal)"),
            (('convert', '1', 'm', 's'), 1, "'m' was read as metre (m), Length, 's' as second (s), Time"),
            (('convert', '1', 'metre'), 2, 'Usage: Kvantor2 convert VALUE FROM TO'),
            (('units', 'no such category'), 1, "Unknown category 'no such category'"),
            (('find', 'qqqq'), 1, "No unit name contains 'qqqq'")]:
        r = run(*args)
        check(r.returncode == status and r.stdout == '' and message in r.stderr,
              f'{" ".join(args)}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')

    # An empty argument is refused alike by every command, naming the argument.
    for args, name in [(('convert', '', 'm', 'ft'), 'VALUE'), (('convert', '1', 'm', ''), 'TO'),
                       (('units', ''), 'CATEGORY'), (('find', ''), 'TEXT'), (('constants', ''), 'TEXT'),
                       (('calc', ''), 'EXPR'), (('calc', 'x', ''), 'NAME=VALUE'),
                       (('plot', '', '0', '1', '1'), 'FORMULA'), (('plot', 'x', '0', '', '1'), 'MAX'),
                       (('plot', 'x', '0', '1', '1', 'a=1', ''), 'NAME=VALUE'),
                       (('plot', 'x', '0', '1', '1', '--png', ''), 'FILE')]:
        r = run(*args)
        check((r.returncode, r.stdout, r.stderr) == (2, '', f'Kvantor2 {args[0]}: {name} is empty\n'),
              f'{args}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')

    # Listings.
    r = run('units', 'Temperature')
    lines = r.stdout.splitlines()
    check(r.returncode == 0 and lines[0] == 'Temperature' and len(lines) == 6
          and lines[2].split()[:3] == ['1', 'Fahrenheit', '°F'], f'units Temperature: {r.stdout!r}')
    r = run('find', 'KNOT')
    check(r.returncode == 0 and all('knot' in l.lower() for l in r.stdout.splitlines())
          and 'Speed' in r.stdout, f'find KNOT: {r.stdout!r}')

    r = run('--help')
    for name in ('convert VALUE FROM TO', 'units [CATEGORY]', 'find TEXT'):
        check(name in r.stdout, f'--help does not list {name!r}')

    print('convert_commands: ' + ('FAILED' if failures else 'all checks passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
