"""Contour lines and cell records against contourpy, in the same run.

usage: python3 bench/contour_vs_contourpy.py [CONTOUR_BENCH]  (default build/bench/contour_bench, built from bench/kernels/contour_bench.cpp)

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
    """Median wall and cpu milliseconds of making the generator and tracing every level."""
    wall, cpu = [], []
    for _ in range(runs):
        start, start_cpu = time.perf_counter(), time.process_time()
        gen = contourpy.contour_generator(x, y, z, name='serial', line_type=contourpy.LineType.SeparateCode)
        for lev in levels:
            gen.lines(lev)
        wall.append((time.perf_counter() - start) * 1000)
        cpu.append((time.process_time() - start_cpu) * 1000)
    return statistics.median(wall), statistics.median(cpu)


def ours(program, levels):
    out = subprocess.run([program, '--benchmark_filter=BM_ContourLinesAndCells/%d/%d$' % (N, levels),
                          '--benchmark_format=json', '--benchmark_repetitions=5',
                          '--benchmark_report_aggregates_only=true'],
                         check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)['benchmarks']
    median = next(r for r in runs if r.get('aggregate_name') == 'median')
    # Peak memory of a process that ran this case alone, once.
    single = subprocess.run([program, '--benchmark_filter=BM_ContourLinesAndCells/%d/%d$' % (N, levels),
                             '--benchmark_format=json'], check=True, capture_output=True, text=True).stdout
    rss = json.loads(single)['benchmarks'][0]['peak_rss_mb']
    return median['real_time'], median['cpu_time'], rss, median['segments']


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else 'build/bench/contour_bench'
    t = -3.0 + 6.0 * np.arange(N) / (N - 1)
    x, y = np.meshgrid(t, t)
    z = peaks(x, y)
    zmin, zmax = z.min(), z.max()
    cases = {10: -6.0 + 1.5 * np.arange(10),
             100: zmin + (np.arange(100) + 1) * (zmax - zmin) / 101}
    print('milliseconds, wall (cpu); the machine is shared, so cpu is the steadier figure')
    print('%-7s %24s %30s %16s %12s' % ('levels', 'contourpy lines', 'ours lines + cell records',
                                        'ratio wall (cpu)', 'our peak MB'))
    for n, levels in cases.items():
        their_wall, their_cpu = contourpy_ms(x, y, z, levels)
        wall, cpu, rss, segments = ours(program, n)
        print('%-7d %15.1f (%6.1f) %21.1f (%6.1f) %8.2f (%5.2f) %12.1f   %d segments'
              % (n, their_wall, their_cpu, wall, cpu, wall / their_wall, cpu / their_cpu, rss, segments))


if __name__ == '__main__':
    main()
