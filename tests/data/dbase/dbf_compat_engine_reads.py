"""Tables written by python3-dbf, read by the engine (through dbf_dump).

Usage: dbf_compat_engine_reads.py PATH/TO/dbf_dump
"""
import datetime
import json
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from dbf_compat_common import Checker, use_system_python

use_system_python('dbf')
import dbf  # noqa: E402

SPEC = 'name C(24); count N(6,0); factor N(18,6); flag L; since D'

ROWS = {
    'cp1251': [('Килограмм', 12, 3.25, True, datetime.date(2024, 2, 29)),
               ('ёж Ёлка', -3, -0.000125, False, datetime.date(1900, 1, 1)),
               ('удалённая', 1, 1.0, None, None),
               ('Щит', 0, 123456.5, True, None)],
    'cp1252': [('Größe', 7, 0.5, False, datetime.date(1999, 12, 31)),
               ('façade €', 99999, -1.0, True, None),
               ('gone', 5, 5.0, True, None)],
    'cp866': [('Ёмкость', 1, 2.0, True, datetime.date(2000, 1, 1)),
              ('Пётр', 2, 0.001, None, None)],
}
DELETED = {'удалённая', 'gone'}
ENGINE_PAGE = {'cp1251': 1251, 'cp1252': 1252, 'cp866': 866}


def engine_text(ftype, value):
    """The text the engine reads for a value python3-dbf stored."""
    if value is None:
        return ''
    if ftype == 'L':
        return 'T' if value else 'F'
    if ftype == 'D':
        return value.strftime('%Y%m%d')
    return value


def main():
    tool = sys.argv[1]
    c = Checker()
    with tempfile.TemporaryDirectory() as tmp:
        for kind in ('db3', 'vfp'):
            for codepage, rows in ROWS.items():
                path = '%s/%s_%s.dbf' % (tmp, kind, codepage)
                table = dbf.Table(path, SPEC, dbf_type=kind, codepage=codepage)
                table.open(dbf.READ_WRITE)
                for row in rows:
                    table.append(row)
                for record in table:
                    if record.name.strip() in DELETED:
                        dbf.delete(record)
                table.close()

                dump = json.loads(subprocess.run([tool, path], check=True, capture_output=True, text=True).stdout)
                label = '%s %s' % (kind, codepage)
                c.equal(label + ' code page', dump['codePage'], ENGINE_PAGE[codepage])
                c.equal(label + ' field names', [f[0] for f in dump['fields']],
                        ['NAME', 'COUNT', 'FACTOR', 'FLAG', 'SINCE'])
                c.equal(label + ' field types', ''.join(f[1] for f in dump['fields']), 'CNNLD')
                kept = [row for row in rows if row[0] not in DELETED]
                c.equal(label + ' row count', len(dump['rows']), len(kept))
                for got, row in zip(dump['rows'], kept):
                    c.equal(label + ' name', got[0], row[0])
                    c.equal(label + ' count', int(got[1]), row[1])
                    c.equal(label + ' factor', float(got[2]), row[2])
                    c.equal(label + ' flag', got[3] if got[3] in ('T', 'F') else '', engine_text('L', row[3]))
                    c.equal(label + ' since', got[4], engine_text('D', row[4]))
    c.finish()


if __name__ == '__main__':
    main()
