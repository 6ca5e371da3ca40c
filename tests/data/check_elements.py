#!/usr/bin/env python3
"""Checks the element tables (data/sources/elements.csv and all.csv) against
Debian's independent data sets, element by element.

Oracles: the Blue Obelisk Data Repository of kalzium-data (elements.xml and
isotopes.xml) and python3-periodictable; for MASS also CIAAW's table of 2021,
whose abridged value a standard atomic weight must round to. Each numeric field is compared with the tolerance of
TOLERANCES; a difference above it must be explained in the row's #note (which
names the field), and a note naming a field that agrees is stale. Also the
short-form layout: the window's placement walk puts every main-block element
at its X, Y in reading order, X in 1..11, Y in 1..10, COLOR in 1..4, and the
ORBIT cells add up to NUMBER.
"""
import csv
import decimal
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'support'))
from system_python import use_system_python  # noqa: E402

use_system_python('periodictable')
import periodictable  # noqa: E402

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir, 'data', 'sources')
CIAAW = os.path.join(SOURCES, 'ciaaw_saw_2021.txt')
BLUE_OBELISK = '/usr/share/libkdeedu/data/elements.xml'
ISOTOPES = '/usr/share/libkdeedu/data/isotopes.xml'
CML = '{http://www.xml-cml.org/schema}'
# NUBASE's year; isotopes.xml gives every half-life in seconds.
HALF_LIFE_UNITS = {'y': 365.2422 * 86400, 'd': 86400, 'h': 3600, 'min': 60, 's': 1, 'ms': 1e-3, 'µs': 1e-6}
MOLAR_VOLUME = 22.414  # L/mol of an ideal gas at 273.15 K and 101.325 kPa
DIATOMIC = {1, 7, 8, 9, 17}

failures = []


def fail(message):
    failures.append(message)


def read_rows(name):
    """The data rows of a source as dicts keyed by field name (types dropped)."""
    with open(os.path.join(SOURCES, name), encoding='utf-8', newline='') as f:
        lines = [line for line in f if not line.startswith('#')]
    reader = csv.reader(lines)
    header = [cell.split(':')[0] for cell in next(reader)]
    return {int(row[0]): dict(zip(header, row)) for row in reader}


def blue_obelisk():
    atoms = {}
    for atom in ET.parse(BLUE_OBELISK).getroot().iter('{http://www.xml-cml.org/schema}atom'):
        values = {}
        for item in atom:
            ref = item.get('dictRef', '')
            values[ref.split(':')[-1]] = item.get('value') if item.get('value') is not None else (item.text or '')
        if 'atomicNumber' in values and int(values['atomicNumber']) > 0:
            atoms[int(values['atomicNumber'])] = values
    return atoms


def isotope_half_lives():
    """(symbol, mass number) -> half-life in s, None for a stable isotope
    (one found in nature without a half-life)."""
    # The file declares UTF-8 but holds a Latin-1 name, and one half-life is
    # written "7-86e-22".
    text = open(ISOTOPES, 'rb').read().decode('latin-1').encode('utf-8')
    lives = {}
    for isotope in ET.fromstring(text).iter(CML + 'isotope'):
        if isotope.get('number') is None:
            continue
        refs = {c.get('dictRef'): c.text for c in isotope}
        life = refs.get('bo:halfLife')
        if life is None and 'bo:relativeAbundance' not in refs:
            continue  # neither measured nor found in nature: nothing to compare
        lives[(isotope.get('elementType'), int(isotope.get('number')))] = (
            float(life.replace('7-86', '7.86')) if life else None)
    return lives


def check_half_lives(elements, details, explained):
    """'stable' where isotopes.xml lists a stable isotope; otherwise the named
    isotope's half-life within 10 % of isotopes.xml's, where that lists it."""
    lives = isotope_half_lives()
    for z in range(1, 119):
        row, letter = details[z], elements[z]['LETTER']
        has_stable = any(life is None for (symbol, _), life in lives.items() if symbol == letter)
        m = re.fullmatch(r'([\d.]+(?:E\d+)?) (\S+) \((\w+)-(\d+)\)', row['HALFTIME'])
        if row['HALFTIME'] == 'stable' or has_stable:
            if (row['HALFTIME'] == 'stable') != has_stable:
                fail(f'{z} {letter} HALFTIME: {row["HALFTIME"]}, but isotopes.xml lists a stable isotope: {has_stable}')
            continue
        if not m or m[3] != letter:
            fail(f'{z} {letter} HALFTIME: "{row["HALFTIME"]}" is neither "stable" nor a half-life with its isotope')
            continue
        theirs = lives.get((letter, int(m[4])))
        if theirs is None or within(relative=0.1)(float(m[1]) * HALF_LIFE_UNITS[m[2]], theirs):
            continue
        if 'HALFTIME' in row['#note']:
            explained.add((z, 'HALFTIME'))
        else:
            fail(f'{z} {letter} HALFTIME: {row["HALFTIME"]} against {theirs:.4g} s (isotopes.xml: 10 %), not explained')


def leading_number(text):
    """The number a text starts with ("1615 K" -> 1615.0), None for none."""
    m = re.match(r'-?\d+(?:\.\d+)?', text)
    return float(m.group()) if m else None


def within(relative=0.0, absolute=0.0):
    return lambda ours, theirs: abs(ours - theirs) <= max(relative * abs(theirs), absolute)


def mass_agrees(ours, theirs):
    # A whole number is the mass number of the longest-lived isotope: the
    # other data set must name the same isotope. Otherwise a standard atomic
    # weight, within 0.01 % (older CIAAW revisions lie inside that).
    if ours == int(ours):
        return round(theirs) == ours
    return within(relative=1e-4)(ours, theirs)


# field: (table, how our value is read, oracle(number, row, bo) -> value or None, agreement, tolerance text)
TOLERANCES = {
    'MASS': ('elements', float, lambda z, pt, bo: float(bo['mass']) if bo.get('mass') else None,
             mass_agrees, 'Blue Obelisk: 0.01 % or the same mass number'),
    'MASS ': ('elements', float, lambda z, pt, bo: pt.mass if pt.mass and z <= 110 else None,
              mass_agrees, 'periodictable: 0.01 % or the same mass number'),
    # Blue Obelisk writes 0 for an ionization energy it does not know.
    'ENERG': ('all', leading_number, lambda z, pt, bo: float(bo['ionization']) or None if bo.get('ionization') else None,
              within(absolute=0.01), 'Blue Obelisk: 0.01 eV'),
    'ELECTRO': ('all', leading_number,
                lambda z, pt, bo: float(bo['electronegativityPauling']) if bo.get('electronegativityPauling') else None,
                within(absolute=0.005), 'Blue Obelisk: 0.005'),
    'MEL_POINT': ('all', leading_number, lambda z, pt, bo: float(bo['meltingpoint']) if bo.get('meltingpoint') else None,
                  within(relative=0.01, absolute=2), 'Blue Obelisk: 1 % or 2 K'),
    'BOIL_POINT': ('all', leading_number, lambda z, pt, bo: float(bo['boilingpoint']) if bo.get('boilingpoint') else None,
                   within(relative=0.01, absolute=2), 'Blue Obelisk: 1 % or 2 K'),
    'TIME': ('all', lambda t: 0.0 if t == 'ancient' else leading_number(t),
             lambda z, pt, bo: float(bo['discoveryDate']) if bo.get('discoveryDate') else None,
             within(), 'Blue Obelisk: the same year (0 = ancient)'),
}


def check_numbers(elements, details, bo):
    explained = set()
    for field, (table, ours_of, oracle, agrees, tolerance) in TOLERANCES.items():
        field = field.strip()
        for z in range(1, 119):
            row = (elements if table == 'elements' else details)[z]
            ours = ours_of(row[field]) if row[field] else None
            theirs = oracle(z, periodictable.elements[z], bo.get(z, {}))
            if ours is None or theirs is None or agrees(ours, theirs):
                continue
            if field in row['#note']:
                explained.add((z, field))
            else:
                fail(f'{z} {elements[z]["LETTER"]} {field}: {row[field]} against {theirs} ({tolerance}), not explained')
    check_standard_weights(elements, explained)
    check_density(elements, details, explained)
    check_half_lives(elements, details, explained)
    for z in range(1, 119):
        for table, row in (('elements', elements[z]), ('all', details[z])):
            for field in re.findall(r'\b([A-Z_]{4,})\b:', row['#note']):
                if (z, field) not in explained:
                    fail(f'{z} {table}.csv: the note explains {field}, which agrees with the data sets')


def ciaaw_abridged():
    """number -> the abridged standard atomic weight of the CIAAW 2021 table,
    as printed (None where CIAAW gives none); the file's columns are fixed."""
    weights = {}
    with open(CIAAW, encoding='utf-8') as f:
        for line in f:
            words = line.split()
            if len(words) > 3 and words[0].isalpha() and words[2].isdigit():
                abridged = line[100:110].strip()
                weights[int(words[2])] = None if abridged == 'nan' else decimal.Decimal(abridged)
    return weights


def check_standard_weights(elements, explained):
    """A standard atomic weight rounds, half up, to CIAAW's abridged value at
    its last printed digit; an element without one has a whole mass number."""
    abridged = ciaaw_abridged()
    if sorted(abridged) != list(range(1, 119)):
        fail(f'{CIAAW}: {len(abridged)} elements, not 1 to 118')
        return
    for z in range(1, 119):
        row, theirs = elements[z], abridged[z]
        ours = decimal.Decimal(row['MASS'])
        if theirs is None:
            if ours != ours.to_integral_value():
                fail(f'{z} {row["LETTER"]} MASS: {ours}, but CIAAW gives no standard atomic weight to use')
            continue
        rounded = ours.quantize(decimal.Decimal(1).scaleb(theirs.as_tuple().exponent), decimal.ROUND_HALF_UP)
        if rounded == theirs:
            continue
        if 'MASS' in row['#note']:
            explained.add((z, 'MASS'))
        else:
            fail(f'{z} {row["LETTER"]} MASS: {ours} against the CIAAW abridged {theirs}, not explained')


def check_density(elements, details, explained):
    for z in range(1, 119):
        row = details[z]
        ours = leading_number(row['DENSITY'])
        if ours is None:
            continue
        if 'g/L' in row['DENSITY']:
            molar_mass = float(elements[z]['MASS']) * (2 if z in DIATOMIC else 1)
            theirs, tolerance = molar_mass / MOLAR_VOLUME, 'ideal gas: 2 %'
        else:
            theirs, tolerance = periodictable.elements[z].density, 'periodictable: 2 %'
        if theirs is None or within(relative=0.02)(ours, theirs):
            continue
        if 'DENSITY' in row['#note']:
            explained.add((z, 'DENSITY'))
        else:
            fail(f'{z} DENSITY: {row["DENSITY"]} against {theirs:.4g} ({tolerance}), not explained')


def check_names(elements, bo):
    for z in range(1, 119):
        row, pt = elements[z], periodictable.elements[z]
        if row['LETTER'] != pt.symbol or row['LETTER'] != bo[z]['symbol']:
            fail(f'{z}: symbol {row["LETTER"]}, periodictable {pt.symbol}, Blue Obelisk {bo[z]["symbol"]}')


def placement_walk(elements):
    """Where the window's walk over the ten rows places each number."""
    placed, n = {}, 1
    for y in range(1, 11):
        for x in range(1, 12):
            row = elements.get(n)
            if row and int(row['X']) == x and int(row['Y']) == y:
                placed[n] = (x, y)
                n += 1
                n = {58: 72, 90: 104}.get(n, n)
    return placed


def check_layout(elements, details):
    if sorted(elements) != list(range(1, 119)) or sorted(details) != list(range(1, 119)):
        fail('both tables hold exactly the elements 1 to 118')
        return
    placed = placement_walk(elements)
    main_block = [z for z in range(1, 111) if not 58 <= z <= 71 and not 90 <= z <= 103]
    if sorted(placed) != main_block:
        fail(f'the walk places {len(placed)} elements, not the {len(main_block)} of the main block')
    for z in range(1, 119):
        row = elements[z]
        x, y, color = int(row['X']), int(row['Y']), int(row['COLOR'])
        if z in placed:
            if not (1 <= x <= 11 and 1 <= y <= 10):
                fail(f'{z}: X {x}, Y {y} outside the main block')
        elif (x, y) != (0, 0):
            fail(f'{z}: has no place in the main block but X {x}, Y {y}')
        if not 1 <= color <= 4:
            fail(f'{z}: COLOR {color} outside 1..4')
        orbit = row['ORBIT']
        cells = [orbit[i:i + 3] for i in range(0, len(orbit), 3)]
        if len(orbit) % 3 or len(cells) > 7 or sum(int(c) for c in cells) != z:
            fail(f'{z}: ORBIT "{orbit}" is no row of three-character cells adding up to {z}')


def main():
    elements, details = read_rows('elements.csv'), read_rows('all.csv')
    bo = blue_obelisk()
    check_layout(elements, details)
    if not failures:
        check_names(elements, bo)
        check_numbers(elements, details, bo)
    for message in failures:
        print('FAIL', message)
    print(f'{len(failures)} failures')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
