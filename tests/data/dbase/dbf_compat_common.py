"""Shared helpers of the table engine's compatibility scripts."""
import os
import sys


def use_system_python():
    """dbfread and dbf come from Debian's packages: rerun under /usr/bin/python3
    when the first python3 on the PATH cannot import them."""
    try:
        import dbf  # noqa: F401
        import dbfread  # noqa: F401
    except ImportError:
        system = '/usr/bin/python3'
        if os.path.realpath(sys.executable) != os.path.realpath(system) and os.path.exists(system):
            os.execv(system, [system] + sys.argv)
        raise


class Checker:
    def __init__(self):
        self.failures = []
        self.checks = 0

    def equal(self, what, got, expected):
        self.checks += 1
        if got != expected:
            self.failures.append('%s: got %r, expected %r' % (what, got, expected))

    def finish(self):
        for f in self.failures:
            print('FAIL', f)
        print('%d checks, %d failures' % (self.checks, len(self.failures)))
        sys.exit(1 if self.failures or self.checks == 0 else 0)
