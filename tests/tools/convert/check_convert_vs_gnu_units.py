#!/usr/bin/env python3
"""`Kvantor2 convert` against GNU units over random pairs of units.

Pairs of units of one category are drawn from the whole units table
(data/sources/members.csv) with a fixed seed, temperatures left out (their
scales have offsets; they are checked on their own below). For each pair and a
random value:
  * the printed result must agree with GNU units, which evaluates the units'
    own expressions (#gnu_units), to a relative 1e-12;
  * the printed text must be exactly the program's rule: value times source
    factor divided by target factor, multiplying first, shown with 15
    significant digits in the general format.
Every pair of temperature scales converts a few values as GNU units's
temperature functions do, to 1e-11 of the magnitudes involved (the offsets
leave residues near 1e-14), and a scale into itself gives the value back.
All GNU units queries of a kind run in one process. Exits 1 on any failure.
"""
import csv
import math
import os
import random
import subprocess
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'support'))
import gnu_units  # noqa: E402

PAIRS = 400
SEED = 20261207
REL_TOL = 1e-12
TEMPERATURE_CLASS = '28'

failures = []


def fail(msg):
    failures.append(msg)
    print('FAIL:', msg)


def read_rows(path):
    with open(path, newline='', encoding='utf-8') as f:
        rows = [r for r in csv.reader(f) if r and not r[0].startswith('#')]
    keys = [h.split(':')[0] for h in rows[0]]
    return [dict(zip(keys, r)) for r in rows[1:]]


def general_format(v):
    """The program's number format, written independently from its description."""
    if v == 0:
        return '0'
    sign = '-' if v < 0 else ''
    mantissa, exp = ('%.14e' % abs(v)).split('e')
    digits = mantissa.replace('.', '').rstrip('0') or '0'
    e = int(exp) + 1  # value = 0.d1d2... x 10^e
    if -3 <= e <= 15:
        if e <= 0:
            text = '0.' + '0' * -e + digits
        elif e >= len(digits):
            text = digits + '0' * (e - len(digits))
        else:
            text = digits[:e] + '.' + digits[e:]
    else:
        text = digits[0] + ('.' + digits[1:] if len(digits) > 1 else '') + 'E' + str(e - 1)
    return sign + text


def random_value(rng):
    kind = rng.random()
    if kind < 0.2:
        return str(rng.randint(-1000, 1000))
    mantissa = rng.uniform(1, 10) * rng.choice([1, 1, 1, -1])
    return repr(float('%.6g' % (mantissa * 10.0 ** rng.randint(-8, 8))))


def gnu_units_values(queries):
    """The plain-number value of each GNU units expression (None where there is
    none); None for all when GNU units fails."""
    try:
        return [value for value, _ in gnu_units.evaluate(queries, marker_base=7320000000000)]
    except gnu_units.GnuUnitsError as exc:
        fail(str(exc))
        return None


# GNU units: each scale's value as a temperature, and a temperature as each scale's value.
# The last item is the scale's absolute zero: GNU units refuses values below it.
TEMPERATURE_SCALES = [('Celsius', 'tempC({})', '~tempC({})', -273.15),
                      ('Fahrenheit', 'tempF({})', '~tempF({})', -459.67),
                      ('Kelvin', '({}) K', '({}) / K', 0),
                      ('Rankine', '({}) tempR', '({}) / tempR', 0),
                      ('Reaumur', 'tempreaumur({})', '~tempreaumur({})', -218.52)]
TEMPERATURE_VALUES = ['-40', '0', '32', '98.6', '212', '-7.83732']


def check_temperatures(prog, env):
    cases, printed = [], []
    for source, to_kelvin, _, zero in TEMPERATURE_SCALES:
        for target, _, from_kelvin, _ in TEMPERATURE_SCALES:
            for value in TEMPERATURE_VALUES:
                r = subprocess.run([str(prog), 'convert', value, source, target],
                                   capture_output=True, text=True, env=env, timeout=60)
                what = f'convert {value} {source} {target}'
                if r.returncode != 0 or r.stderr or not r.stdout.endswith('\n'):
                    fail(f'{what}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')
                    continue
                if source == target and r.stdout[:-1] != general_format(float(value)):
                    fail(f'{what}: printed {r.stdout[:-1]}, not the value itself')
                if float(value) >= zero:
                    cases.append((what, value, from_kelvin.format(to_kelvin.format(value))))
                    printed.append(r.stdout[:-1])
    gnu = gnu_units_values([query for _, _, query in cases])
    if gnu is None:
        return
    for (what, value, query), text, want in zip(cases, printed, gnu):
        if want is None:
            fail(f'GNU units cannot evaluate {query!r}')
        elif abs(float(text) - want) > 1e-11 * (1 + abs(float(value)) + abs(want)):
            fail(f'{what}: printed {text}, GNU units {want!r}')
    print(f'convert_vs_gnu_units: {len(cases)} temperature conversions checked')


def main():
    bin_dir = Path(os.environ['KV_BIN_DIR'])
    src = Path(os.environ.get('KV_SOURCE_DIR', Path(__file__).resolve().parents[3])) / 'data' / 'sources'
    prog = bin_dir / 'Kvantor2'
    if not prog.is_file():
        print(f'FAIL: {prog} not built')
        return 1
    units = [u for u in read_rows(src / 'members.csv')
             if u['CLASS'] != TEMPERATURE_CLASS and u['#gnu_units'].strip()]
    by_class = {}
    for u in units:
        by_class.setdefault(u['CLASS'], []).append(u)

    rng = random.Random(SEED)
    pairs = []
    for _ in range(PAIRS):
        a = rng.choice(units)
        b = rng.choice(by_class[a['CLASS']])
        pairs.append((random_value(rng), a, b))

    env = dict(os.environ, LC_ALL='C.UTF-8', QT_QPA_PLATFORM='minimal')
    env.pop('DISPLAY', None)
    printed = []
    for value, a, b in pairs:
        r = subprocess.run([str(prog), 'convert', value, a['NAME'], b['NAME']],
                           capture_output=True, text=True, env=env, timeout=60)
        what = f'convert {value} {a["NAME"]!r} {b["NAME"]!r}'
        if r.returncode != 0 or r.stderr or not r.stdout.endswith('\n'):
            fail(f'{what}: exit {r.returncode}, out {r.stdout!r}, err {r.stderr!r}')
            printed.append(None)
            continue
        printed.append(r.stdout[:-1])
        expected = general_format(float(value) * float(a['INDEX']) / float(b['INDEX']))
        if printed[-1] != expected:
            fail(f'{what}: printed {printed[-1]!r}, the factors give {expected!r}')

    queries = [f'({value})*({a["#gnu_units"]})/({b["#gnu_units"]})' for value, a, b in pairs]
    gnu = gnu_units_values(queries)
    worst = 0.0
    if gnu is not None:
        for (value, a, b), text, want in zip(pairs, printed, gnu):
            if text is None:
                continue
            if want is None:
                fail(f'GNU units cannot evaluate {value} {a["#gnu_units"]!r} in {b["#gnu_units"]!r}')
                continue
            got = float(text)
            rel = abs(got - want) / abs(want) if want else abs(got)
            worst = max(worst, rel)
            # The print keeps 15 digits: allow half a unit of its last place too.
            if rel > max(REL_TOL, 0.5e-14):
                fail(f'convert {value} {a["NAME"]!r} {b["NAME"]!r}: printed {text}, GNU units {want!r} '
                     f'(relative difference {rel:.3g})')
    check_temperatures(prog, env)
    categories = len({a['CLASS'] for _, a, _ in pairs})
    status = 'FAILED' if failures else 'OK'
    print(f'convert_vs_gnu_units: {status}: {len(pairs)} pairs in {categories} categories, '
          f'largest relative difference {worst:.2g}, {len(failures)} failures')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
