"""Contour lines and cell records against contourpy, in the same run.

usage: python3 bench/contour_vs_contourpy.py [CONTOUR_BENCH]  (default build/bench/contour_bench)

Times matplotlib's contour generator (contourpy, serial) tracing the lines
of the 1000 x 1000 peaks grid with 10 levels (the peer workload W4) and with
100 levels, in-process, median of 7; then runs our benchmark on the same
grid and levels, each case in its own process so that its peak memory is
its own. Prints both figures and their ratio.
"""
import json
import statistics
import subprocess
import sys
import time

import numpy as np
import contourpy

N = 1000


def peaks(x, y):
    return (3 * (1 - x) ** 2 * np.exp(-x ** 2 - (y + 1) ** 2)
            - 10 * (x / 5 - x ** 3 - y ** 5) * np.exp(-x ** 2 - y ** 2)
            - 1 / 3 * np.exp(-(x + 1) ** 2 - y ** 2))


def contourpy_ms(x, y, z, levels, runs=7):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        gen = contourpy.contour_generator(x, y, z, name='serial', line_type=contourpy.LineType.SeparateCode)
        for lev in levels:
            gen.lines(lev)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def ours(program, levels):
    out = subprocess.run([program, '--benchmark_filter=BM_ContourLinesAndCells/%d/%d$' % (N, levels),
                          '--benchmark_format=json', '--benchmark_repetitions=5',
                          '--benchmark_report_aggregates_only=true'],
                         check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)['benchmarks']
    median = next(r for r in runs if r.get('aggregate_name') == 'median')
    return median['real_time'], median['cpu_time'], median['peak_rss_mb'], median['segments']


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else 'build/bench/contour_bench'
    t = -3.0 + 6.0 * np.arange(N) / (N - 1)
    x, y = np.meshgrid(t, t)
    z = peaks(x, y)
    zmin, zmax = z.min(), z.max()
    cases = {10: -6.0 + 1.5 * np.arange(10),
             100: zmin + (np.arange(100) + 1) * (zmax - zmin) / 101}
    print('%-10s %22s %30s %8s %12s' % ('levels', 'contourpy lines (ms)', 'ours lines + cells (ms, cpu)',
                                        'ratio', 'our peak MB'))
    for n, levels in cases.items():
        theirs = contourpy_ms(x, y, z, levels)
        wall, cpu, rss, segments = ours(program, n)
        print('%-10d %22.1f %21.1f (%5.1f) %8.2f %12.1f   (%d segments)'
              % (n, theirs, wall, cpu, wall / theirs, rss, segments))


if __name__ == '__main__':
    main()
