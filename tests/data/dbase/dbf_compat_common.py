"""Shared helpers of the table engine's compatibility scripts."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir, 'support'))
from system_python import use_system_python  # noqa: E402,F401  (the scripts take it from here)


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
