"""Resampling and smoothing against SciPy, in the same run.

usage: python3 bench/zeval_vs_scipy.py [ZEVAL_BENCH]  (default build/bench/zeval_bench)

The peaks function on a 1000 x 1000 grid over [-3, 3]^2 is resampled onto
2000 x 2000 points: by SciPy's RegularGridInterpolator (linear; the new
points given as the 4 million pairs it takes) against our linear resample,
and by RectBivariateSpline (cubic, s = 0: the fit and its evaluation on the
new grid) against our cubic resample. A 2000 x 2000 grid is smoothed once
(weight 0.5) against scipy.ndimage.convolve with the same nine weights (a
regular grid without holes; convolve renormalises nothing at the edges, so it
does less). SciPy runs in-process, median of 5; ours each case in its own
process, median of 5, and once more alone for its peak memory. Prints both
times (wall and cpu), their ratio and our peak resident memory beside the
size of input plus output.
"""
import json
import math
import statistics
import subprocess
import sys
import time

import numpy as np
from scipy import ndimage
from scipy.interpolate import RectBivariateSpline, RegularGridInterpolator

N, M, SMOOTH = 1000, 2000, 2000
RUNS = 5


def peaks(x, y):
    return (3 * (1 - x) ** 2 * np.exp(-x ** 2 - (y + 1) ** 2)
            - 10 * (x / 5 - x ** 3 - y ** 5) * np.exp(-x ** 2 - y ** 2)
            - 1 / 3 * np.exp(-(x + 1) ** 2 - y ** 2))


def axis(n):
    t = -3.0 + 6.0 * np.arange(n) / (n - 1)
    t[-1] = 3.0
    return t


def timed(work):
    """Median wall and cpu milliseconds of RUNS calls."""
    wall, cpu = [], []
    for _ in range(RUNS):
        start, start_cpu = time.perf_counter(), time.process_time()
        work()
        wall.append((time.perf_counter() - start) * 1000)
        cpu.append((time.process_time() - start_cpu) * 1000)
    return statistics.median(wall), statistics.median(cpu)


def smoothing_weights(w, xstep, ystep):
    ax, ay, d = abs(xstep), abs(ystep), math.hypot(xstep, ystep)
    wx = (1 - w) / (2 * (2 * ax / d + ax / ay + 1))
    wy, wd = wx * ax / ay, wx * ax / d
    return np.array([[wd, wx, wd], [wy, w, wy], [wd, wx, wd]])


def ours(program, case):
    pattern = '--benchmark_filter=^%s$' % case
    out = subprocess.run([program, pattern, '--benchmark_format=json', '--benchmark_repetitions=%d' % RUNS,
                          '--benchmark_report_aggregates_only=true'], check=True, capture_output=True, text=True).stdout
    median = next(r for r in json.loads(out)['benchmarks'] if r.get('aggregate_name') == 'median')
    single = subprocess.run([program, pattern, '--benchmark_format=json', '--benchmark_min_time=0'],
                            check=True, capture_output=True, text=True).stdout
    run = json.loads(single)['benchmarks'][0]
    return median['real_time'], median['cpu_time'], run['peak_rss_mb'], run['input_output_mb']


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else 'build/bench/zeval_bench'
    t, tn = axis(N), axis(M)
    x, y = np.meshgrid(t, t, indexing='ij')
    z = peaks(x, y)
    new_points = np.stack(np.meshgrid(tn, tn, indexing='ij'), axis=-1).reshape(-1, 2)
    ts = axis(SMOOTH)
    xs, ys = np.meshgrid(ts, ts, indexing='ij')
    zs = peaks(xs, ys)
    kernel = smoothing_weights(0.5, ts[1] - ts[0], ts[1] - ts[0])

    cases = [
        ('linear %d -> %d' % (N, M), 'RegularGridInterpolator',
         lambda: RegularGridInterpolator((t, t), z, method='linear')(new_points),
         'BM_Resample/%d/%d/1' % (N, M)),
        ('cubic %d -> %d' % (N, M), 'RectBivariateSpline',
         lambda: RectBivariateSpline(t, t, z, kx=3, ky=3, s=0)(tn, tn),
         'BM_Resample/%d/%d/2' % (N, M)),
        ('smooth %d' % SMOOTH, 'ndimage.convolve',
         lambda: ndimage.convolve(zs, kernel, mode='constant'),
         'BM_Smooth/%d' % SMOOTH),
    ]
    print('milliseconds, wall (cpu); the machine is shared, so cpu is the steadier figure')
    print('%-20s %-24s %18s %18s %16s %12s %12s'
          % ('case', 'SciPy peer', 'SciPy', 'ours', 'ratio wall (cpu)', 'our peak MB', 'in+out MB'))
    for name, peer, work, case in cases:
        their_wall, their_cpu = timed(work)
        wall, cpu, rss, in_out = ours(program, case)
        print('%-20s %-24s %9.1f (%6.1f) %9.1f (%6.1f) %8.2f (%5.2f) %12.1f %12.1f'
              % (name, peer, their_wall, their_cpu, wall, cpu, wall / their_wall, cpu / their_cpu, rss, in_out))


if __name__ == '__main__':
    main()
