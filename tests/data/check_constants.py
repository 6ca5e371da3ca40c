#!/usr/bin/env python3
"""Checks the physical constants table against scipy.constants (CODATA 2018).

Every VALUE of data/sources/phcont.csv is parsed back into number,
uncertainty and unit and compared with scipy.constants.physical_constants
under the row's #scipy_key; a row without a key must name its #source. Also:
names unique and within the field, at least 80 rows, every defining constant
of the SI present, the text fits code page 1253, and the built phcont.dbf
(read with dbfread) holds the same rows.
"""
import csv
import math
import os
import re
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'support'))
from system_python import use_system_python  # noqa: E402

use_system_python('dbfread', 'scipy.constants')
import dbfread  # noqa: E402
from scipy.constants import physical_constants  # noqa: E402

failures = []


def fail(message):
    failures.append(message)


# NUMBER[(U)][eEXP][ UNIT][ (exact)], as the comment of the source describes.
VALUE_RE = re.compile(r'(?P<digits>-?\d+(?:\.(?P<decimals>\d+))?)(?P<cut>\.\.\.)?'
                      r'(?:\((?P<unc>\d+)\))?(?:e(?P<exp>[+-]?\d+))?'
                      r'(?: (?P<unit>.+?))?(?P<exact> \(exact\))?')

SI_DEFINING = ['hyperfine transition frequency of Cs-133', 'speed of light in vacuum', 'Planck constant',
               'elementary charge', 'Boltzmann constant', 'Avogadro constant', 'luminous efficacy']


def parse_value(text):
    """(value, uncertainty, unit) of a VALUE text; raises ValueError on a malformed one."""
    m = VALUE_RE.fullmatch(text)
    if not m:
        raise ValueError(f'malformed value "{text}"')
    exp = int(m['exp'] or 0)
    # Built from decimal text so that the floats are the correctly rounded
    # ones, as scipy reads its table.
    value = float(f"{m['digits']}e{exp}")
    if m['exact']:
        if m['unc']:
            raise ValueError(f'"{text}" is exact and has an uncertainty')
        unc = 0.0
    else:
        if not m['unc'] or m['cut']:
            raise ValueError(f'"{text}" has neither an uncertainty nor "(exact)"')
        decimals = len(m['decimals'] or '')
        unc = float(f"{m['unc']}e{exp - decimals}")
    return value, unc, normal_unit(m['unit'] or '')


def normal_unit(unit):
    return ' '.join(unit.split())


def read_source(path):
    with open(path, encoding='utf-8', newline='') as f:
        lines = [line for line in f if not line.startswith('#') and line.strip()]
    reader = csv.reader(lines)
    header = next(reader)
    fields = {}
    for i, cell in enumerate(header):
        fields[cell.split(':')[0]] = i
    lengths = {cell.split(':')[0]: int(cell.split(':')[2]) for cell in header if not cell.startswith('#')}
    return [dict((name, row[i]) for name, i in fields.items()) for row in reader], lengths


def check_rows(rows, lengths):
    if len(rows) < 80:
        fail(f'only {len(rows)} constants; at least 80 expected')
    seen = {}
    keys = set()
    for row in rows:
        name, text = row['NAME'], row['VALUE']
        for field, limit in lengths.items():
            if len(row[field].encode('cp1253', errors='replace')) > limit:
                fail(f'{name}: {field} longer than {limit} characters')
            try:
                row[field].encode('cp1253')
            except UnicodeEncodeError as e:
                fail(f'{name}: {field} "{row[field]}" has {e.object[e.start]!r}, which cp1253 lacks')
        if name != name.strip() or not name:
            fail(f'name "{name}" is empty or has outer blanks')
        if name.lower() in seen:
            fail(f'name "{name}" twice (letter case ignored)')
        seen[name.lower()] = True
        try:
            value, unc, unit = parse_value(text)
        except ValueError as e:
            fail(f'{name}: {e}')
            continue
        key = row['#scipy_key']
        if not key:
            if not row['#source'].strip():
                fail(f'{name}: not in scipy and no #source')
            continue
        keys.add(key)
        if key not in physical_constants:
            fail(f'{name}: "{key}" is no key of scipy.constants.physical_constants')
            continue
        ref_value, ref_unit, ref_unc = physical_constants[key]
        if value != ref_value and not math.isclose(value, ref_value, rel_tol=1e-15, abs_tol=0):
            fail(f'{name}: value {value!r}, scipy {ref_value!r}')
        if unc != ref_unc:
            fail(f'{name}: uncertainty {unc!r}, scipy {ref_unc!r}')
        if unit != normal_unit(ref_unit):
            fail(f'{name}: unit "{unit}", scipy "{ref_unit}"')
    for key in SI_DEFINING:
        if key not in keys:
            fail(f'defining constant "{key}" missing')
    return seen


def check_impedance(rows):
    """Z0 is kept from CODATA itself (scipy derives its own); it must still
    agree with scipy's mu0 c within its uncertainty."""
    row = next((r for r in rows if r['CHAR_VIEW'] == 'Z0'), None)
    if row is None:
        fail('characteristic impedance of vacuum missing')
        return
    value, unc, unit = parse_value(row['VALUE'])
    mu0 = physical_constants['vacuum mag. permeability'][0]
    c = physical_constants['speed of light in vacuum'][0]
    if unit != 'ohm' or abs(value - mu0 * c) > unc:
        fail(f'Z0 {row["VALUE"]} does not agree with mu0 c = {mu0 * c!r} ohm')


def check_table(rows, bin_dir):
    path = os.path.join(bin_dir, 'phcont.dbf')
    try:
        table = dbfread.DBF(path, encoding='cp1253', char_decode_errors='strict')
        records = list(table)
    except Exception as e:  # a missing or broken table is a failure, not a crash
        fail(f'{path}: {e}')
        return
    if [f.name for f in table.fields] != ['NAME', 'VALUE', 'CHAR_VIEW']:
        fail(f'phcont.dbf fields {[f.name for f in table.fields]}')
    if table.header.language_driver == 0:
        fail('phcont.dbf names no code page')
    want = [(r['NAME'], r['VALUE'], r['CHAR_VIEW']) for r in rows]
    got = [(r['NAME'], r['VALUE'], r['CHAR_VIEW']) for r in records]
    if got != want:
        diff = next(((w, g) for w, g in zip(want, got) if w != g), None)
        fail(f'phcont.dbf: {len(got)} rows for {len(want)} in the source; first difference {diff}')


def self_test():
    """The parser reads what the format says and rejects what it does not."""
    assert parse_value('6.67430(15)e-11 m^3 kg^-1 s^-2') == (6.6743e-11, 1.5e-15, 'm^3 kg^-1 s^-2')
    assert parse_value('0.22290(30)') == (0.2229, 0.0003, '')
    assert parse_value('1.054571817...e-34 J s (exact)') == (1.054571817e-34, 0.0, 'J s')
    assert parse_value('299792458 m s^-1 (exact)') == (299792458.0, 0.0, 'm s^-1')
    for bad in ['6.67430e-11 m^3', '1.0...(5) m', '1.0(5) m (exact)', 'about 3 m', '']:
        try:
            parse_value(bad)
        except ValueError:
            continue
        raise AssertionError(f'"{bad}" was accepted')


def main():
    self_test()
    source_dir = os.environ.get('KV_SOURCE_DIR', os.path.join(os.path.dirname(__file__), '..', '..'))
    rows, lengths = read_source(os.path.join(source_dir, 'data', 'sources', 'phcont.csv'))
    check_rows(rows, lengths)
    check_impedance(rows)
    if 'KV_BIN_DIR' in os.environ:
        check_table(rows, os.environ['KV_BIN_DIR'])
    else:
        fail('KV_BIN_DIR not set: the built table was not checked')
    for message in failures:
        print('FAIL', message)
    print(f'{len(rows)} constants checked, {len(failures)} failures')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
