"""The engine's code page tables and driver bytes against Python's codecs and
the driver tables of dbfread and python3-dbf.

Usage: dbf_codepage_oracle.py PATH/TO/dbf_dump
"""
import json
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from dbf_compat_common import Checker, use_system_python

use_system_python('dbf', 'dbfread')
import dbf  # noqa: E402
import dbfread.codepages  # noqa: E402

PAGES = [437, 737, 850, 852, 857, 861, 865, 866, 1250, 1251, 1252, 1253, 1254]


def run(tool, *args):
    return json.loads(subprocess.run([tool, *args], check=True, capture_output=True, text=True).stdout)


def main():
    tool = sys.argv[1]
    c = Checker()
    for page in PAGES:
        points = run(tool, '--codepage', str(page))
        for byte, point in enumerate(points):
            try:
                expected = ord(bytes([byte]).decode('cp%d' % page))
            except UnicodeDecodeError:
                continue  # undefined in the code page: the engine's own choice
            c.equal('cp%d byte 0x%02X' % (page, byte), point, expected)

    drivers = {int(k): v for k, v in run(tool, '--drivers').items()}
    oracles = {'dbfread': dbfread.codepages.codepages,
               'dbf': dbf.ver_33.code_pages}
    for name, table in oracles.items():
        for byte, page in drivers.items():
            if byte in table and table[byte][0]:
                c.equal('%s driver 0x%02X' % (name, byte), 'cp%d' % page, table[byte][0])
    # Every page the engine writes is a driver byte both libraries know.
    for page in PAGES:
        bytes_for_page = [b for b, p in drivers.items() if p == page]
        c.equal('cp%d has a driver byte' % page, bool(bytes_for_page), True)
        c.equal('cp%d known to dbfread' % page,
                any(b in dbfread.codepages.codepages for b in bytes_for_page), True)
    c.finish()


if __name__ == '__main__':
    main()
