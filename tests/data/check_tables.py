#!/usr/bin/env python3
"""Checks the generated reference tables against their CSV sources with
dbfread, a dBASE reader independent of ours.

For every table of data/sources/tables.txt: the fields (name, type, length,
decimals), the code page the header names, every value of every row (numbers
compared as the doubles the CSV text denotes), the production-index flag, and
for a table with an index the .MDX tag directory and the record order of each
tag's leaves.
"""
import csv
import datetime
import os
import struct
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'support'))
from system_python import use_system_python  # noqa: E402

use_system_python('dbfread')
import dbfread  # noqa: E402

failures = []


def fail(message):
    failures.append(message)


def manifest_entries(path):
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.startswith('#'):
                continue
            words = line.split()
            tags = []
            for word in words[5:]:
                name, expression = word.split('=', 1)
                flags = set()
                while expression[-2:] in ('/D', '/U'):
                    flags.add(expression[-1])
                    expression = expression[:-2]
                tags.append((name.upper(), expression, 'D' in flags, 'U' in flags))
            yield {'line': number, 'table': words[0], 'csv': words[1], 'codepage': words[2][2:],
                   'mdx': words[4] if len(words) > 4 else None, 'tags': tags}


def source_lines(f):
    """Physical lines of a CSV source without its comment and blank lines
    (those only count outside a quoted field), with their line numbers."""
    inside_quotes = False
    for number, line in enumerate(f, 1):
        if not inside_quotes and (line.startswith('#') or not line.strip()):
            continue
        yield number, line
        if line.count('"') % 2:
            inside_quotes = not inside_quotes


def read_source(path):
    with open(path, encoding='utf-8-sig', newline='') as f:
        numbered = list(source_lines(f))
    reader = csv.reader(line for _, line in numbered)
    header = next(reader)
    fields = []
    for column, cell in enumerate(header):
        if cell.startswith('#'):
            continue
        parts = cell.split(':')
        fields.append({'column': column, 'name': parts[0].upper(), 'type': parts[1].upper(),
                       'length': int(parts[2]), 'decimals': int(parts[3]) if len(parts) > 3 else 0})
    rows = []
    consumed = reader.line_num
    for record in reader:
        rows.append((numbered[consumed][0], record))
        consumed = reader.line_num
    return fields, rows


def expected_value(field, text):
    kind = field['type']
    if kind == 'C':
        return text.rstrip(' ')
    stripped = text.strip()
    if not stripped:
        return None
    if kind in 'NF':
        return float(stripped)
    if kind == 'L':
        return {'T': True, 'Y': True, 'F': False, 'N': False, '?': None}[stripped.upper()]
    if kind == 'D':
        digits = stripped.replace('-', '')
        return datetime.date(int(digits[:4]), int(digits[4:6]), int(digits[6:]))
    raise ValueError('unknown field type ' + kind)


def same(field, expected, found):
    if field['type'] in 'NF' and expected is not None and found is not None:
        return float(found) == expected
    return expected == found


def check_table(entry, source_dir, bin_dir):
    name = entry['table']
    csv_path = os.path.join(source_dir, entry['csv'])
    dbf_path = os.path.join(bin_dir, name)
    if not os.path.exists(dbf_path):
        fail(f'{name}: not generated')
        return None
    fields, rows = read_source(csv_path)
    encoding = 'cp' + entry['codepage']

    detected = dbfread.DBF(dbf_path, load=False).encoding
    if detected != encoding:
        fail(f'{name}: the header names code page {detected}, the manifest {encoding}')
    table = dbfread.DBF(dbf_path, encoding=encoding, char_decode_errors='strict', load=True)

    found_fields = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
    wanted_fields = [(f['name'], f['type'], f['length'], f['decimals']) for f in fields]
    if found_fields != wanted_fields:
        fail(f'{name}: fields {found_fields}, the CSV defines {wanted_fields}')
        return None
    if len(table.records) != len(rows):
        fail(f'{name}: {len(table.records)} rows, the CSV has {len(rows)}')
    for number, ((line, cells), record) in enumerate(zip(rows, table.records), 1):
        for field in fields:
            expected = expected_value(field, cells[field['column']])
            found = record[field['name']]
            if not same(field, expected, found):
                fail(f'{name}: record {number} ({entry["csv"]} line {line}) field {field["name"]}: '
                     f'expected {expected!r}, found {found!r}')

    with open(dbf_path, 'rb') as f:
        flag = f.read(32)[28]
    if flag != (1 if entry['mdx'] else 0):
        fail(f'{name}: production index flag {flag}, expected {1 if entry["mdx"] else 0}')
    return fields, rows, table


def u16(data, at):
    return struct.unpack_from('<H', data, at)[0]


def u32(data, at):
    return struct.unpack_from('<I', data, at)[0]


def bcd_value(key):
    """A dBASE IV numeric key: exponent byte (52 + E for 0.digits x 10^E),
    digit count and sign byte, packed digits."""
    count = (key[1] >> 2) & 0x1F
    digits = ''.join(str(key[2 + i // 2] >> 4 if i % 2 == 0 else key[2 + i // 2] & 0x0F) for i in range(count))
    if not digits:
        return 0.0
    value = float(f'0.{digits}e{key[0] - 52}')
    return -value if key[1] & 0x80 else value


def leaf_entries(data, root, key_length, item_length):
    entries, pending, visited = [], [root], 0
    while pending:
        visited += 1
        if visited > 100000:
            raise ValueError('the tree does not end')
        page = pending.pop()
        at = page * 512
        count = u32(data, at)
        pointers = [u32(data, at + 8 + i * item_length) for i in range(count + 1)]
        if pointers[count] == 0:  # a leaf
            entries.extend((data[at + 12 + i * item_length: at + 12 + i * item_length + key_length], pointers[i])
                           for i in range(count))
        else:
            pending.extend(reversed(pointers))
    return entries


def check_index(entry, bin_dir, fields, rows):
    name = entry['mdx']
    path = os.path.join(bin_dir, name)
    if not os.path.exists(path):
        fail(f'{name}: not generated')
        return
    with open(path, 'rb') as f:
        data = f.read()
    count = u16(data, 28)
    found = []
    for i in range(count):
        at = 544 + 32 * i
        tag_name = data[at + 4: at + 15].split(b'\0')[0].decode('ascii')
        head = u32(data, at) * 512
        expression = data[head + 24: head + 245].split(b'\0')[0].decode('ascii')
        key_format = data[head + 8]
        found.append((tag_name, expression, bool(key_format & 0x08), bool(key_format & 0x40)))
    if found != entry['tags']:
        fail(f'{name}: tags {found}, the manifest lists {entry["tags"]}')
        return

    by_name = {f['name']: f for f in fields}
    encoding = 'cp' + entry['codepage']
    for i, (tag_name, expression, descending, unique) in enumerate(found):
        head = u32(data, 544 + 32 * i) * 512
        key_type = chr(data[head + 9])
        entries = leaf_entries(data, u32(data, head), u16(data, head + 12), u16(data, head + 18))
        records = [record for _, record in entries]
        if not unique and sorted(records) != list(range(1, len(rows) + 1)):
            fail(f'{name}: tag {tag_name} does not hold every record exactly once')
            continue
        field = by_name.get(expression.upper())
        if field is None:
            continue  # a compound expression: only the record set is checked
        keys = []
        for key, record in entries:
            text = rows[record - 1][1][field['column']]
            value = bcd_value(key) if key_type == 'N' else key.decode(encoding).rstrip(' ')
            if value != expected_value(field, text) and not (key_type == 'N' and not text.strip() and value == 0):
                fail(f'{name}: tag {tag_name} pairs key {value!r} with record {record}, whose {field["name"]} '
                     f'is {text!r}')
            keys.append((value.lower() if key_type == 'C' else value, record))
        for (a, ra), (b, rb) in zip(keys, keys[1:]):
            ordered = (a > b or (a == b and ra < rb)) if descending else (a < b or (a == b and ra < rb))
            if key_type == 'C' and not (a.isascii() and b.isascii()):
                continue  # letter case of other scripts is the engine's own rule
            if not ordered:
                fail(f'{name}: tag {tag_name} puts record {ra} ({a!r}) before record {rb} ({b!r})')
                break


def main():
    source_dir = os.path.join(os.environ['KV_SOURCE_DIR'], 'data', 'sources')
    bin_dir = os.environ['KV_BIN_DIR']
    checked = 0
    for entry in manifest_entries(os.path.join(source_dir, 'tables.txt')):
        result = check_table(entry, source_dir, bin_dir)
        checked += 1
        if result and entry['mdx']:
            check_index(entry, bin_dir, result[0], result[1])
    if checked == 0:
        fail('the manifest lists no table')
    for message in failures:
        print('FAIL:', message)
    print(f'{checked} tables checked, {len(failures)} faults')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
