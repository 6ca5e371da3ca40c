"""Tables written by the engine's writer, read back with dbfread.

Usage: dbf_compat_engine_writes.py PATH/TO/dbf_write_sample
"""
import datetime
import json
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from dbf_compat_common import Checker, use_system_python

use_system_python('dbfread')
import dbfread  # noqa: E402

# Code page each driver byte should announce, as dbfread understands it.
EXPECTED_ENCODING = {1251: 'cp1251', 1252: 'cp1252', 866: 'cp866', 1253: 'cp1253', 737: 'cp737'}


def expected_value(ftype, decimals, text):
    text = text.strip()
    if ftype in 'NF':
        if not text:
            return None
        value = float(text)
        return int(value) if ftype == 'N' and decimals == 0 else value
    if ftype == 'L':
        return {'T': True, 'Y': True, 'F': False, 'N': False}.get(text.upper()[:1])
    if ftype == 'D':
        return datetime.datetime.strptime(text, '%Y%m%d').date() if text else None
    return text


def main():
    tool = sys.argv[1]
    c = Checker()
    with tempfile.TemporaryDirectory() as tmp:
        written = json.loads(subprocess.run([tool, tmp], check=True, capture_output=True, text=True).stdout)
        for name, written_table in written.items():
            table = dbfread.DBF('%s/%s' % (tmp, name), char_decode_errors='strict')
            c.equal(name + ' encoding', table.encoding, EXPECTED_ENCODING[written_table['codePage']])
            c.equal(name + ' version byte', table.header.dbversion, 0x03)
            c.equal(name + ' fields', [(f.name, f.type, f.length, f.decimal_count) for f in table.fields],
                    [tuple(f) for f in written_table['fields']])
            records = list(table)
            c.equal(name + ' record count', len(records), len(written_table['rows']))
            for r, (record, row) in enumerate(zip(records, written_table['rows'])):
                for (fname, ftype, _, decimals), text in zip(written_table['fields'], row):
                    got = record[fname]
                    want = expected_value(ftype, decimals, text)
                    if isinstance(want, float) and isinstance(got, (int, float)):
                        got = float(got)
                    c.equal('%s row %d %s' % (name, r + 1, fname), got, want)
    c.finish()


if __name__ == '__main__':
    main()
