"""The peer comparison as one table:   python3 summarize.py RESULTS.csv

For every workload and size: torvane3d's median whole-process wall time and
peak memory, the fastest peer measured in the same call, and how many times
faster torvane3d was. Targets: at least 5 times the fastest peer everywhere
(whole pages: header and legend),
and W2 at N = 1000 under 0.7 s and 200 MB.
"""
import csv
import sys

TIMES_FASTER = 5

rows = {}
with open(sys.argv[1]) as f:
    for r in csv.DictReader(f):
        if r['runs'] in ('', '0'):
            continue
        tool, rest = r['id'].split('_', 1)
        if not rest.startswith(('w1_', 'w2_', 'w3_', 'w5_', 'w6_')) or rest.endswith('_omp'):
            continue
        rows.setdefault(rest, {})[tool] = (float(r['wall_median']), float(r['peak_mib']), float(r['cpu_median']))

print('| workload | torvane3d wall / cpu / peak | fastest peer | x faster | target |')
print('|---|---|---|---|---|')
failed = 0
for case in sorted(rows, key=lambda c: (c.split('_')[0], int(c.split('_')[1]))):
    tools = rows[case]
    ours = tools.get('torvane3d')
    peers = {t: v for t, v in tools.items() if t != 'torvane3d'}
    if not ours or not peers:
        continue
    best = min(peers, key=lambda t: peers[t][0])
    ratio = peers[best][0] / ours[0]
    ok = ratio >= TIMES_FASTER
    note = f'>= {TIMES_FASTER}x'
    if case == 'w2_1000':
        ok = ok and ours[0] < 0.7 and ours[1] < 200
        note += ', < 0.7 s, < 200 MiB'
    failed += not ok
    print(f"| {case} | {ours[0]:.3f} s / {ours[2]:.3f} s / {ours[1]:.0f} MiB | {best} {peers[best][0]:.3f} s "
          f"| {ratio:.1f} | {note}: {'met' if ok else 'MISSED'} |")
sys.exit(1 if failed else 0)
