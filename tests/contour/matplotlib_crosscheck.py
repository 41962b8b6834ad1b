"""Cross-check of the contour lines against matplotlib's contour generator.

usage: python3 matplotlib_crosscheck.py CONTOUR_LENGTHS_PROGRAM

For smooth test grids (the peaks function at several sizes, and a wave field
on a coarse grid) the total length of the contour lines of every level must
agree with contourpy's within 0.5 %. Prints one line per level and exits 1
on any disagreement.
"""
import os
import subprocess
import sys
import tempfile

import numpy as np
import contourpy

TOLERANCE = 0.005


def peaks(x, y):
    return (3 * (1 - x) ** 2 * np.exp(-x ** 2 - (y + 1) ** 2)
            - 10 * (x / 5 - x ** 3 - y ** 5) * np.exp(-x ** 2 - y ** 2)
            - 1 / 3 * np.exp(-(x + 1) ** 2 - y ** 2))


def waves(x, y):
    return np.sin(1.3 * x + 0.4) * np.cos(0.9 * y - 0.2) + 0.3 * np.sin(2.1 * x * y / 3)


CASES = [
    ('peaks 100', peaks, 100, -6.0 + 1.5 * np.arange(10)),
    ('peaks 300', peaks, 300, -6.0 + 1.5 * np.arange(10)),
    ('peaks 1000, the benchmark grid', peaks, 1000, -6.0 + 1.5 * np.arange(10)),
    ('waves 41, coarse cells', waves, 41, np.linspace(-1.1, 1.1, 12)),
]


def contourpy_lengths(x, y, z, levels):
    gen = contourpy.contour_generator(x, y, z, name='serial', line_type=contourpy.LineType.Separate)
    out = []
    for lev in levels:
        total = 0.0
        for line in gen.lines(lev):
            total += np.hypot(*np.diff(line, axis=0).T).sum()
        out.append(total)
    return out


def ours(program, z, levels):
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, 'grid.f64')
        z.astype('<f8').tofile(path)
        text = subprocess.run([program, path, str(z.shape[0])] + ['%.17g' % v for v in levels],
                              check=True, capture_output=True, text=True).stdout
    return [float(line.split()[1]) for line in text.splitlines()]


def main():
    program = sys.argv[1]
    failures = 0
    for name, f, n, levels in CASES:
        t = -3.0 + 6.0 * np.arange(n) / (n - 1)
        x, y = np.meshgrid(t, t)  # z[j, i], i along x
        z = f(x, y)
        theirs = contourpy_lengths(x, y, z, levels)
        mine = ours(program, z, levels)
        for lev, a, b in zip(levels, mine, theirs):
            diff = abs(a - b) / b if b > 0 else abs(a)
            ok = diff <= TOLERANCE
            failures += not ok
            print('%-32s level %8.4f  ours %12.6f  contourpy %12.6f  diff %.2e %s'
                  % (name, lev, a, b, diff, 'ok' if ok else 'DIFFERS'))
    print('%d passed, %d failed' % (sum(len(c[3]) for c in CASES) - failures, failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
