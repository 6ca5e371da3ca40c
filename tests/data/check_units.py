#!/usr/bin/env python3
"""Check the converter's units database (data/sources/class.csv and members.csv).

Two kinds of checks:
  * structure: contiguous CLASS and NUMBER, the categories and units the program
    relies on at fixed places, unique names, field lengths, code page 1252,
    usable INDEX values, a note for every unit without a GNU units expression;
  * values: every unit's INDEX is compared with GNU units, which converts the
    unit's expression (#gnu_units) into its category's reference unit
    (#gnu_reference). All queries run in one GNU units process.

Prints every failure and a summary line; exits 1 on any failure.
"""
import csv
import math
import os
import sys
import unicodedata
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / 'support'))
import gnu_units  # noqa: E402

REL_TOL = 1e-12
MIN_CLASSES = 34
MIN_UNITS = 500

CLASS_HEADER = ['CLASS:N:3:0', 'NAME:C:50', '#reference_unit', '#gnu_reference']
MEMBERS_HEADER = ['CLASS:N:3:0', 'NUMBER:N:3:0', 'NAME:C:40', 'OBOZN:C:20', 'INDEX:F:20:0',
                  '#gnu_units', '#note']

# (CLASS, category name, NUMBER, unit name, INDEX the unit must have): the places
# the converter and the tank calculator rely on, with the reference units they assume
# (square metre, centimetre, kilogram, litre).
FIXED = [
    (4, 'Area', 14, 'square metre', 1.0),
    (15, 'Length', 32, 'metre', 100.0),
    (19, 'Mass', 17, 'kilogram', 1.0),
    (31, 'Volume', 24, 'litre', 1.0),
]
TEMPERATURE_CLASS = 28
TEMPERATURE_UNITS = ['celsius', 'fahrenheit', 'kelvin', 'rankine', 'reaumur']

failures = []


def fail(msg):
    failures.append(msg)
    print('FAIL:', msg)


def sources_dir():
    root = os.environ.get('KV_SOURCE_DIR')
    if root:
        return Path(root) / 'data' / 'sources'
    return Path(__file__).resolve().parent.parent.parent / 'data' / 'sources'


def read_table(path, expected_header):
    """Rows as dicts keyed by field name (the part of the header before ':')."""
    with open(path, newline='', encoding='utf-8') as f:
        rows = list(csv.reader(f))
    if not rows or rows[0] != expected_header:
        fail(f'{path.name}: header is {rows[0] if rows else None}, expected {expected_header}')
        return []
    keys = [h.split(':')[0] for h in expected_header]
    out = []
    for lineno, row in enumerate(rows[1:], start=2):
        if not row or row[0].startswith('#'):
            continue
        if len(row) != len(keys):
            fail(f'{path.name} line {lineno}: {len(row)} cells, expected {len(keys)}')
            continue
        rec = dict(zip(keys, row))
        rec['_line'] = lineno
        out.append(rec)
    return out


def check_text(where, field, text, limit):
    if len(text) > limit:
        fail(f'{where}: {field} {text!r} longer than {limit} characters')
    try:
        text.encode('cp1252')
    except UnicodeEncodeError:
        fail(f'{where}: {field} {text!r} not encodable in code page 1252')
    if text != text.strip() or (field != '#note' and not text):
        fail(f'{where}: {field} {text!r} empty or with surrounding blanks')


def plain(text):
    return ''.join(ch for ch in unicodedata.normalize('NFKD', text)
                   if not unicodedata.combining(ch)).lower()


def check_structure(classes, members):
    # categories
    class_nums = []
    for rec in classes:
        where = f'class.csv line {rec["_line"]}'
        try:
            class_nums.append(int(rec['CLASS']))
        except ValueError:
            fail(f'{where}: CLASS {rec["CLASS"]!r} is not an integer')
            continue
        check_text(where, 'NAME', rec['NAME'], 50)
    if class_nums != list(range(1, len(class_nums) + 1)):
        fail(f'CLASS values are not 1..N in order: {class_nums}')
    if len(classes) < MIN_CLASSES:
        fail(f'{len(classes)} categories, at least {MIN_CLASSES} required')
    by_class = {int(r['CLASS']): r for r in classes if r['CLASS'].isdigit()}
    class_names = [plain(r['NAME']) for r in classes]
    if len(set(class_names)) != len(class_names):
        fail('category names are not unique')

    # units
    units = {}
    seen_names = {}
    for rec in members:
        where = f'members.csv line {rec["_line"]}'
        try:
            cl, num = int(rec['CLASS']), int(rec['NUMBER'])
        except ValueError:
            fail(f'{where}: CLASS/NUMBER not integers')
            continue
        rec['_where'] = f'class {cl} number {num} {rec["NAME"]!r}'
        if cl not in by_class:
            fail(f'{where}: CLASS {cl} has no category')
        units.setdefault(cl, []).append((num, rec))
        check_text(where, 'NAME', rec['NAME'], 40)
        check_text(where, 'OBOZN', rec['OBOZN'], 20)
        check_text(where, 'INDEX', rec['INDEX'], 20)
        key = rec['NAME'].casefold()
        if key in seen_names:
            fail(f'{where}: name {rec["NAME"]!r} already used at {seen_names[key]}')
        seen_names[key] = where
        try:
            value = float(rec['INDEX'])
        except ValueError:
            fail(f'{where}: INDEX {rec["INDEX"]!r} is not a number')
            value = float('nan')
        if not math.isfinite(value) or value <= 0:
            fail(f'{where}: INDEX {rec["INDEX"]!r} must be a finite positive number')
        rec['_value'] = value
        if not rec['gnu'].strip() and not rec['note'].strip():
            fail(f'{where}: no GNU units expression and no note giving the reason')
    for cl in by_class:
        nums = [n for n, _ in units.get(cl, [])]
        if nums != list(range(len(nums))) or not nums:
            fail(f'class {cl}: NUMBER values are not 0,1,2,... in order: {nums}')
    total = sum(len(v) for v in units.values())
    if total < MIN_UNITS:
        fail(f'{total} units, at least {MIN_UNITS} required')

    def unit(cl, num):
        lst = dict(units.get(cl, []))
        return lst.get(num)

    for cl, cname, num, uname, uindex in FIXED:
        if cl not in by_class or plain(by_class[cl]['NAME']) != plain(cname):
            fail(f'class {cl} must be {cname!r}')
        rec = unit(cl, num)
        if rec is None or not plain(rec['NAME']).startswith(uname):
            fail(f'class {cl} number {num} must be {uname!r}, is {rec and rec["NAME"]!r}')
        elif rec['_value'] != uindex:
            fail(f'class {cl} {uname}: INDEX {rec["INDEX"]} but its reference unit requires {uindex}')

    tc = by_class.get(TEMPERATURE_CLASS)
    if tc is None or tc['NAME'] != 'Temperature':
        fail(f'class {TEMPERATURE_CLASS} must be named exactly "Temperature"')
    temps = [r for _, r in units.get(TEMPERATURE_CLASS, [])]
    if len(temps) != len(TEMPERATURE_UNITS):
        fail(f'Temperature has {len(temps)} units, expected {len(TEMPERATURE_UNITS)}')
    for expected, rec in zip(TEMPERATURE_UNITS, temps):
        if expected not in plain(rec['NAME']):
            fail(f'{rec["_where"]}: expected the {expected} scale')
        if rec['gnu'].strip():
            fail(f'{rec["_where"]}: a temperature scale has an offset; INDEX cannot express it, '
                 'so it must not be checked as a factor')
    return total


def run_units(queries):
    """queries: list of (expression, reference). Returns list of (float or None, text)."""
    try:
        return gnu_units.evaluate([f'({expr})/({ref})' for expr, ref in queries], timeout=120)
    except gnu_units.GnuUnitsError as exc:
        fail(str(exc))
        return None


def check_values(classes, members):
    refs = {int(r['CLASS']): r['gnu_reference'].strip() for r in classes if r['CLASS'].isdigit()}
    todo = []
    for rec in members:
        expr = rec['gnu'].strip()
        if not expr or '_value' not in rec:
            continue
        ref = refs.get(int(rec['CLASS']), '')
        if not ref:
            fail(f'{rec["_where"]}: its category has no #gnu_reference')
            continue
        todo.append((rec, expr, ref))
    results = run_units([(e, r) for _, e, r in todo])
    if results is None:
        return 0, 0.0
    worst = 0.0
    for (rec, expr, ref), (got, text) in zip(todo, results):
        want = rec['_value']
        if got is None:
            fail(f'{rec["_where"]}: GNU units cannot evaluate ({expr})/({ref}): {text}')
            continue
        rel = abs(got - want) / abs(want) if want else math.inf
        worst = max(worst, rel)
        if rel > REL_TOL:
            fail(f'class {rec["CLASS"]} number {rec["NUMBER"]} {rec["NAME"]!r}: '
                 f'expected {rec["INDEX"]} (INDEX), GNU units {expr!r} in {ref!r} gives '
                 f'{got!r} (relative difference {rel:.3g})')
    return len(todo), worst


def main():
    src = sources_dir()
    cls_path, mem_path = src / 'class.csv', src / 'members.csv'
    for p in (cls_path, mem_path):
        if not p.is_file():
            print(f'FAIL: {p} not found')
            print('units_vs_gnu_units: FAILED (missing sources)')
            return 1
    classes = read_table(cls_path, CLASS_HEADER)
    members = read_table(mem_path, MEMBERS_HEADER)
    for rec in classes:
        rec['gnu_reference'] = rec.pop('#gnu_reference')
    for rec in members:
        rec['gnu'] = rec.pop('#gnu_units')
        rec['note'] = rec.pop('#note')
    total = check_structure(classes, members)
    checked, worst = check_values(classes, members)
    without = total - checked
    status = 'FAILED' if failures else 'OK'
    print(f'units_vs_gnu_units: {status}: {len(classes)} categories, {total} units, '
          f'{checked} checked against GNU units (largest relative difference {worst:.2g}), '
          f'{without} without an expression, {len(failures)} failures')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
