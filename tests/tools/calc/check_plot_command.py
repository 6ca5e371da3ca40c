#!/usr/bin/env python3
"""`Kvantor2 plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]`
end to end on the built program, without a display: the printed points against
values Python computes itself, the messages and exit statuses, and the pictures
read back with PIL."""
import math
import os
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

from PIL import Image

failures = []
DEFAULT_FORMULA = '((1/2)*x^2)-4*x+a+b*c'


def check(cond, what):
    if not cond:
        failures.append(what)
        print('FAIL:', what)


PROG = Path(os.environ['KV_BIN_DIR']) / 'Kvantor2'
ENV = dict(os.environ, LC_ALL='C.UTF-8')
# Neither a display nor a chosen platform: the command needs none, also for pictures.
ENV.pop('DISPLAY', None)
ENV.pop('WAYLAND_DISPLAY', None)
ENV.pop('QT_QPA_PLATFORM', None)


def plot(*args):
    return subprocess.run([str(PROG), 'plot', *args], capture_output=True, text=True, env=ENV, timeout=60)


def points(result):
    """The printed lines as (x text, y text) pairs."""
    pairs = [tuple(line.split('\t')) for line in result.stdout.splitlines()]
    check(all(len(p) == 2 for p in pairs), f'lines that are not x<TAB>y: {result.stdout[:500]!r}')
    return [p for p in pairs if len(p) == 2]


def accumulated(start, stop, step):
    """X from start by repeated addition while X <= stop, as the plotter samples."""
    xs, x = [], start
    while x <= stop:
        xs.append(x)
        x += step
    return xs


def same_to_15_digits(printed, value):
    return float(printed) == float('%.15g' % value)


def what(args, r):
    return f'plot {" ".join(args)}: exit {r.returncode}, out {r.stdout[:300]!r}, err {r.stderr[:300]!r}'


def check_points():
    # The default formula with A, B and C at 0: x^2/2 - 4x.
    args = (DEFAULT_FORMULA, '0', '10', '0.5')
    r = plot(*args)
    p = points(r)
    check(r.returncode == 0 and r.stderr == '', what(args, r))
    check(len(p) == 21, f'default formula: {len(p)} lines, not 21')
    if len(p) == 21:
        check(p[0] == ('0', '0') and p[-1] == ('10', '10'), f'default formula: first {p[0]}, last {p[-1]}')
        lowest = min(p, key=lambda xy: float(xy[1]))
        check(lowest == ('4', '-8'), f'default formula: lowest point {lowest}')
        check([float(x) for x, _ in p] == [0.5 * k for k in range(21)], f'default formula: x values {p}')

    # With values for A, B and C every y is x^2/2 - 4x + 5 + 3*4, computed here from the printed x.
    args = (DEFAULT_FORMULA, '-3.5', '7.25', '0.37', 'a=5', 'b=3', 'c=4')
    r = plot(*args)
    p = points(r)
    check(r.returncode == 0 and len(p) == len(accumulated(-3.5, 7.25, 0.37)), what(args, r))
    for x, y in p:
        want = float(x) ** 2 / 2 - 4 * float(x) + 17
        check(math.isclose(float(y), want, rel_tol=1e-12), f'a=5 b=3 c=4: at x={x} y={y}, wanted {want!r}')

    # X grows by repeated addition: with 0.1 steps the sum falls short of 3 and 2.9... is the last.
    args = ('x', '0', '3', '0.1')
    r = plot(*args)
    p = points(r)
    want = accumulated(0.0, 3.0, 0.1)
    check(r.returncode == 0 and len(p) == len(want), f'{what(args, r)}: {len(p)} lines, wanted {len(want)}')
    for (x, y), w in zip(p, want):
        check(same_to_15_digits(x, w) and y == x, f'0..3 by 0.1: printed {x}\t{y}, summed x {w!r}')
    check(len(p) > 0 and float(p[-1][0]) < 3, f'0..3 by 0.1: last x {p[-1:]}')

    # Max X below Min X: no point, as in the window, and a word why; the formula
    # is still evaluated at Min X there.
    args = ('x', '5', '1', '1')
    r = plot(*args)
    check((r.returncode, r.stdout, r.stderr) == (0, '', 'Max X (1) is below Min X (5): no points\n'), what(args, r))
    args = ('1/x', '0', '-1', '1')
    r = plot(*args)
    check(r.returncode == 1 and r.stdout == '' and r.stderr == 'Floating point division by zero\n', what(args, r))



def check_failures():
    # A sample that fails stops the sampling: the points before it are printed.
    args = ('2/x', '0', '10', '1')
    r = plot(*args)
    check(r.returncode == 1 and r.stdout == '' and 'Floating point division by zero' in r.stderr, what(args, r))
    args = ('1/x', '-1', '1', '0.5')
    r = plot(*args)
    p = points(r)
    before_zero = [x for x in accumulated(-1.0, 1.0, 0.5) if x < 0]
    check(r.returncode == 1 and 'Floating point division by zero' in r.stderr and len(p) == len(before_zero),
          what(args, r))
    for (x, y), w in zip(p, before_zero):
        check(float(x) == w and math.isclose(float(y), 1 / w, rel_tol=1e-15), f'1/x: printed {x}\t{y}')

    for args, message in [(('x', '0', '1', '0'), 'Step (interval)'),
                          (('x', '0', '1', '-1'), 'Step (interval)'),
                          (('x', '0', '1', '1e-9'), 'Step (interval)'),  # far more points than allowed
                          (('x', 'abc', '1', '0.5'), "MIN: 'abc' is not a valid floating point value"),
                          (('x', '0', '1x', '0.5'), "MAX: '1x' is not a valid floating point value"),
                          (('x', '0', '1', '.5.'), "STEP: '.5.' is not a valid floating point value"),
                          (('x', '0', '1', '0.5', 'a=zz'), "a: 'zz' is not a valid floating point value"),
                          (('xSIN', '0', '1', '0.5'), 'Error parsing expression')]:
        r = plot(*args)
        check(r.returncode == 1 and r.stdout == '' and message in r.stderr, what(args, r))
    r = plot('xSIN', '0', '1', '0.5')
    check(r.stderr.startswith('Error parsing expression'), f'xSIN: {r.stderr!r}')

    # Bad usage: the usage line on stderr, nothing sampled.
    for args in [('x', '0', '10'),
                 ('x', '0', '10', '1', 'a'),
                 ('x', '0', '10', '1', '--size', '100x100'),
                 ('x', '0', '10', '1', '--png', 'unused.png', '--size', '100'),
                 ('x', '0', '10', '1', '--png', 'unused.png', '--size', '5x5'),
                 ('x', '0', '10', '1', '--png')]:
        r = plot(*args)
        check(r.returncode == 2 and r.stdout == '' and 'Usage: Kvantor2 plot' in r.stderr, what(args, r))
    check(not Path('unused.png').exists(), 'bad usage wrote a picture')


def png_size(path):
    """Width and height from the PNG signature and IHDR chunk."""
    data = Path(path).read_bytes()
    check(data[:8] == b'\x89PNG\r\n\x1a\n' and data[12:16] == b'IHDR', f'{path}: no PNG header')
    return struct.unpack('>II', data[16:24])


def curve_rows(image):
    """The field (the box of the white pixels) and, for each column inside it,
    the mean row of the dark pixels: the black curve, not the grey grid."""
    rgb = image.convert('RGB')
    w, h = rgb.size
    px = rgb.load()
    white = [(x, y) for y in range(h) for x in range(w) if px[x, y] == (255, 255, 255)]
    left, right = min(x for x, _ in white), max(x for x, _ in white)
    top, bottom = min(y for _, y in white), max(y for _, y in white)
    rows = {}
    # The axes run along the edges of the field: a few rows there are left out.
    for x in range(left, right + 1):
        dark = [y for y in range(top + 3, bottom - 2) if max(px[x, y]) < 80]
        if dark:
            rows[x] = sum(dark) / len(dark)
    return (left, top, right, bottom), rows


def check_curve(name, image, f, min_x, max_x, result):
    """The curve of y = f(x) where the window puts it: X from Min X to Max X
    along the field, Y from the smallest to the largest printed value up it."""
    ys = [float(y) for _, y in points(result)]
    low, high = min(ys), max(ys)

    def height_at(across):
        return (f(min_x + across * (max_x - min_x)) - low) / (high - low)

    (left, top, right, bottom), rows = curve_rows(image)
    check(right - left > 100 and bottom - top > 100, f'{name}: field {left},{top}..{right},{bottom}')
    inner = range(left + 3, right - 2)
    check(sum(x in rows for x in inner) >= 0.8 * len(inner),
          f'{name}: the curve shows in {len(rows)} of {len(inner)} columns')
    off = [(x, rows[x]) for x in inner if x in rows
           and abs(rows[x] - (bottom - height_at((x - left) / (right - left)) * (bottom - top))) > 4]
    check(not off, f'{name}: {len(off)} columns away from the curve, e.g. {off[:5]}')


def check_pictures(tmp):
    default = tmp / 'default.png'
    args = (DEFAULT_FORMULA, '0', '10', '0.5', '--png', str(default))
    r = plot(*args)
    check(r.returncode == 0 and len(points(r)) == 21, what(args, r))
    check(png_size(default) == (491, 335), f'default size {png_size(default)}')
    colours = set(Image.open(default).convert('RGB').getdata())
    check((255, 255, 255) in colours and any(max(c) < 80 for c in colours),
          f'default picture: no white field or no dark curve among {len(colours)} colours')

    # A file name that is no UTF-8 is written byte for byte, not mangled.
    odd = bytes(tmp) + b'/pic\xff.png'
    r = plot('x', '0', '1', '0.5', '--png', odd)
    with open(odd, 'rb') as f:
        check(r.returncode == 0 and f.read(8) == b'\x89PNG\r\n\x1a\n', f'--png pic\\xff.png: {r.stderr!r}')
    check(b'pic\xef\xbf\xbd.png' not in os.listdir(bytes(tmp)), 'the name was mangled')

    sized = tmp / 'sized.png'
    r = plot('x', '0', '10', '0.05', '--png', str(sized), '--size', '640x400')
    check(r.returncode == 0 and png_size(sized) == (640, 400), f'--size 640x400: {r.stderr!r}, {png_size(sized)}')
    check_curve('x', Image.open(sized), lambda x: x, 0, 10, r)

    parabola = tmp / 'parabola.png'
    r = plot('(x-a)^2', '0', '10', '0.05', 'a=5', '--png', str(parabola))
    check(r.returncode == 0, f'(x-5)^2: {r.stderr!r}')
    check_curve('(x-5)^2', Image.open(parabola), lambda x: (x - 5) ** 2, 0, 10, r)

    # A failing sample still leaves the picture of the points before it.
    partial = tmp / 'partial.png'
    r = plot('1/x', '-1', '1', '0.5', '--png', str(partial))
    check(r.returncode == 1 and partial.exists() and png_size(partial) == (491, 335), what(('1/x', '--png'), r))
    # The axes are fitted to those points (-1 and -2), so the curve is in the field.
    (left, _, right, _), rows = curve_rows(Image.open(partial))
    check(len(rows) > (right - left) // 5, f'1/x --png: the points before X = 0 show in {len(rows)} columns')

    # A picture that cannot be written is reported once, after the points.
    r = plot('x', '0', '1', '0.5', '--png', str(tmp / 'no such folder' / 'x.png'))
    check(r.returncode == 1 and len(points(r)) == 3 and r.stderr.count('\n') == 1
          and r.stderr.startswith('Cannot write the picture'), what(('--png', 'no such folder'), r))
    r = plot('1/x', '-1', '1', '0.5', '--png', str(tmp / 'no such folder' / 'x.png'))
    check(r.returncode == 1 and r.stderr.count('Cannot write the picture') == 1
          and r.stderr.startswith('Floating point division by zero\n'), what(('1/x --png', 'no such folder'), r))


def main():
    with tempfile.TemporaryDirectory() as tmp:
        os.chdir(tmp)  # where a picture written by mistake would land
        check_points()
        check_failures()
        check_pictures(Path(tmp))
    print('plot_command: ' + ('FAILED' if failures else 'all checks passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
