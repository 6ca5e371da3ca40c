"""The Python checks use Debian's python3-* packages (dbfread, dbf, scipy)."""
import importlib
import os
import sys


def use_system_python(*modules):
    """Reruns the script under /usr/bin/python3 when the running interpreter
    cannot import `modules`."""
    try:
        for name in modules:
            importlib.import_module(name)
    except ImportError:
        system = '/usr/bin/python3'
        if os.path.realpath(sys.executable) != os.path.realpath(system) and os.path.exists(system):
            os.execv(system, [system] + sys.argv)
        raise
