"""Many GNU units queries answered by one GNU units process, for the checks
of the units table and of the converter."""
import os
import shutil
import subprocess


class GnuUnitsError(Exception):
    """GNU units is missing, or its answers cannot be matched to the queries."""


def evaluate(expressions, marker_base=7310000000000, timeout=300):
    """The value of each expression as GNU units gives it: a list of (float,
    or None when the answer is no plain number; the answer's text).
    `marker_base` numbers the marker queries that separate the answers."""
    exe = shutil.which('units')
    if exe is None:
        raise GnuUnitsError('GNU units (the "units" program) is not installed')
    lines = []
    for i, expression in enumerate(expressions):
        # a marker query, then the value; an empty "want" line makes units
        # print the value of "have" alone
        lines += [str(marker_base + i), '', expression, '']
    lines += [str(marker_base + len(expressions)), '']
    env = dict(os.environ, LC_ALL='C.UTF-8', UNITS_ENGLISH='US')
    env.pop('MYUNITSFILE', None)
    proc = subprocess.run([exe, '-f', '', '-t', '-o', '%.17g'], input='\n'.join(lines) + '\n',
                          capture_output=True, text=True, env=env, timeout=timeout)
    out = [line.strip() for line in proc.stdout.splitlines()]
    results, pos = [], 0
    for k in range(len(expressions) + 1):
        if pos >= len(out) or out[pos] != str(marker_base + k):
            got = out[pos] if pos < len(out) else '<end of output>'
            raise GnuUnitsError(f'GNU units output out of step at query {k}: {got!r}; '
                                f'stderr: {proc.stderr.strip()!r}')
        pos += 1
        if k == len(expressions):
            break
        chunk = []
        while pos < len(out) and out[pos] != str(marker_base + k + 1):
            chunk.append(out[pos])
            pos += 1
        value = None
        if len(chunk) == 1:
            try:
                value = float(chunk[0])
            except ValueError:
                pass
        results.append((value, ' | '.join(chunk) or '<no output>'))
    return results
