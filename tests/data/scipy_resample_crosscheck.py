"""Cross-check of the linear resampling against SciPy's RegularGridInterpolator.

usage: python3 scipy_resample_crosscheck.py TORVANE3D_PROGRAM

A random 50 x 40 irregular grid (values from 1 to 10, so that relative
differences mean something) is resampled by `torvane3d resample` onto
several windows, one of them reaching beyond the grid; every new point must
agree with RegularGridInterpolator (method linear) to 1e-12 relative, and
the points beyond the grid must be holes where SciPy has no value. Exits 77
(skipped) where SciPy is not installed, 1 on any disagreement.
"""
import os
import subprocess
import sys
import tempfile

try:
    import numpy as np
    from scipy.interpolate import RegularGridInterpolator
except ImportError:
    print('SciPy is not installed: skipped')
    sys.exit(77)

TOLERANCE = 1e-12
HOLE = -99.0
NX, NY = 50, 40
# x0, y0, x1, y1 as fractions of the grid's extent, and the new point counts
WINDOWS = [
    ((0.0, 0.0, 1.0, 1.0), 137, 91),
    ((0.13, 0.4, 0.77, 0.61), 64, 65),
    ((0.9, 0.95, 0.05, 0.1), 33, 20),   # reversed
    ((-0.2, 0.3, 1.15, 0.9), 120, 7),   # beyond the grid on both sides in x
]


def write_irgrid(path, xs, ys, z):
    # repr keeps every double exact through the reader.
    with open(path, 'w') as f:
        f.write('IRGRID %d %d\n%r\n' % (len(xs), len(ys), HOLE))
        f.write(' '.join(repr(float(v)) for v in xs) + '\n')
        f.write(' '.join(repr(float(v)) for v in ys) + '\n')
        for row in z:
            f.write(' '.join(repr(float(v)) for v in row) + '\n')


def read_grid(path):
    with open(path) as f:
        words = [w for line in f if not line.startswith(('!', '#')) for w in line.split()]
    assert words[0] == 'GRID', words[:3]
    nx, ny = int(words[1]), int(words[2])
    hole, xstep, ystep, xorig, yorig = (float(w) for w in words[3:8])
    values = np.array([float(w) for w in words[8:8 + nx * ny]]).reshape(nx, ny)
    return values, hole


def new_points(lo, hi, n):
    # The new coordinates as the resampling makes them: lo + k * step, the last one at hi itself.
    step = (hi - lo) / (n - 1)
    t = lo + np.arange(n) * step
    t[-1] = hi
    return t


def main():
    program = sys.argv[1]
    rng = np.random.default_rng(20261210)
    xs = np.cumsum(rng.uniform(0.05, 1.0, NX)) - 3.0
    ys = np.cumsum(rng.uniform(0.05, 1.0, NY)) + 10.0
    z = rng.uniform(1.0, 10.0, (NX, NY))
    scipy = RegularGridInterpolator((xs, ys), z, method='linear', bounds_error=False, fill_value=np.nan)
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        source, out = os.path.join(tmp, 'in.dat'), os.path.join(tmp, 'out.dat')
        write_irgrid(source, xs, ys, z)
        for (fx0, fy0, fx1, fy1), nx, ny in WINDOWS:
            x0, x1 = (xs[0] + f * (xs[-1] - xs[0]) for f in (fx0, fx1))
            y0, y1 = (ys[0] + f * (ys[-1] - ys[0]) for f in (fy0, fy1))
            subprocess.run([program, 'resample', source, '--window', repr(x0), repr(y0), repr(x1), repr(y1),
                            '--points', str(nx), str(ny), '-o', out], check=True)
            ours, hole = read_grid(out)
            tx = new_points(min(x0, x1), max(x0, x1), nx)
            ty = new_points(min(y0, y1), max(y0, y1), ny)
            gx, gy = np.meshgrid(tx, ty, indexing='ij')
            theirs = scipy(np.stack([gx.ravel(), gy.ravel()], axis=-1)).reshape(nx, ny)
            outside = np.isnan(theirs)
            holes_agree = np.array_equal(outside, ours == hole)
            inside = ~outside
            relative = np.abs(ours[inside] - theirs[inside]) / np.abs(theirs[inside])
            worst = relative.max() if relative.size else 0.0
            ok = holes_agree and worst <= TOLERANCE
            failures += not ok
            print('window %-28s %4d x %-4d worst relative difference %.2e, %5d holes %s'
                  % ((fx0, fy0, fx1, fy1), nx, ny, worst, int(outside.sum()),
                     'ok' if ok else 'DISAGREES' + ('' if holes_agree else ' (holes differ)')))
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
