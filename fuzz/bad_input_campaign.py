#!/usr/bin/python3
"""A bad-input campaign against the torvane3d program.

Runs every reader (data, levels, styles and picture files, saved charts) and
every command's arguments on inputs a hostile or careless user could give,
each case in its own process limited to 10 s of time and 1 GiB of memory
(under AddressSanitizer, whose shadow memory an address-space limit would
break, through its own RSS limit instead). A case passes when the program
exits on its own with a code of 0, 1 or 2; a crash, a sanitizer report, an
abort (an exception let out) or a case beyond its limits is a fault. A
failure must be said: a non-zero exit with nothing on standard error is
counted apart.

  /usr/bin/python3 fuzz/bad_input_campaign.py BUILD/hosts/cli/torvane3d [--seed N] [--keep DIR]

Prints the counts per group and outcome, each fault with its command line,
and exits 1 when any case faulted.
"""
import argparse
import os
import random
import resource
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

TIME_LIMIT = 10  # seconds a case
MEMORY_LIMIT = 1 << 30  # bytes a case
HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, 'corpus')


class Campaign:
    def __init__(self, program, work, sanitized):
        self.program = program
        self.work = work
        self.sanitized = sanitized
        self.cases = []  # (group, args, stdin bytes)

    def file(self, name, data):
        path = os.path.join(self.work, name)
        with open(path, 'wb') as f:
            f.write(data if isinstance(data, bytes) else data.encode('latin-1'))
        return path

    def add(self, group, args, stdin=b''):
        self.cases.append((group, [str(a) for a in args], stdin))

    def limits(self):
        resource.setrlimit(resource.RLIMIT_CPU, (TIME_LIMIT, TIME_LIMIT + 1))
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
        if not self.sanitized:
            resource.setrlimit(resource.RLIMIT_AS, (MEMORY_LIMIT, MEMORY_LIMIT))

    def run_one(self, args, stdin):
        env = dict(os.environ)
        env.pop('TORVANE3D_DEBUG', None)
        if self.sanitized:
            env['ASAN_OPTIONS'] = 'hard_rss_limit_mb=%d:allocator_may_return_null=1:detect_leaks=1' % (
                MEMORY_LIMIT >> 20)
        start = time.monotonic()
        try:
            p = subprocess.run([self.program] + args, input=stdin, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, timeout=TIME_LIMIT, cwd=self.work, env=env,
                               preexec_fn=self.limits)
        except subprocess.TimeoutExpired:
            return 'timeout', b'', time.monotonic() - start
        elapsed = time.monotonic() - start
        err = p.stderr
        if p.returncode < 0:
            sig = -p.returncode
            return ('timeout' if sig == signal.SIGXCPU else 'crash:' + signal.Signals(sig).name), err, elapsed
        if b'ERROR: AddressSanitizer' in err or b'runtime error:' in err or b'ERROR: LeakSanitizer' in err:
            return 'sanitizer', err, elapsed
        if b'std::bad_alloc' in err or b'terminate called' in err:
            return 'exception', err, elapsed
        if p.returncode not in (0, 1, 2):
            return 'exit:%d' % p.returncode, err, elapsed
        if p.returncode != 0 and not err.strip():
            return 'silent-failure', err, elapsed
        return ('ok' if p.returncode == 0 else 'refused'), err, elapsed

    def run(self):
        counts = {}
        faults = []
        slowest = (0, None)
        for group, args, stdin in self.cases:
            outcome, err, elapsed = self.run_one(args, stdin)
            counts.setdefault(group, {}).setdefault(outcome, 0)
            counts[group][outcome] += 1
            if elapsed > slowest[0]:
                slowest = (elapsed, args)
            if outcome not in ('ok', 'refused'):
                faults.append((outcome, group, args, err.decode('utf-8', 'replace')[-600:]))
        return counts, faults, slowest


# ---- inputs

def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)


def huge_png(width, height):
    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header) + png_chunk(b'IDAT', zlib.compress(b'\0' * 64)) + \
        png_chunk(b'IEND', b'')


def bitmap_header(width, height, bits, size_field=None, offset=54):
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, 0, 0, 0, 0, 0)
    return b'BM' + struct.pack('<IHHI', size_field or 54, 0, 0, offset) + info


def wmf(records, objects=2):
    body = b''.join(struct.pack('<IH', 3 + len(words), function) + struct.pack('<%dh' % len(words), *words)
                    for function, words in records) + struct.pack('<IH', 3, 0)
    return struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(body)) // 2, objects, 16, 0) + body


def emf_header(records=b'', bounds=(0, 0, 1, 1), handles=4):
    size = 88
    head = struct.pack('<II4i4iIIIIHHIII', 1, size, *bounds, 0, 0, 26, 26, 0x464D4520, 0x10000,
                       size + len(records) + 20, 2, handles, 0, 0, 0, 0)
    head += struct.pack('<iiii', 1024, 768, 320, 240)
    head = head[:size].ljust(size, b'\0')
    return head + records + struct.pack('<IIIII', 14, 20, 0, 0, 20)


def mutations(rng, seed, count):
    """Byte flips, cuts, repeats and huge numbers written over a seed."""
    out = []
    for _ in range(count):
        data = bytearray(seed)
        kind = rng.randrange(5)
        if kind == 0 and data:
            for _ in range(rng.randint(1, 8)):
                data[rng.randrange(len(data))] = rng.randrange(256)
        elif kind == 1 and data:
            data = data[:rng.randrange(len(data))]
        elif kind == 2 and len(data) > 4:
            at = rng.randrange(len(data) - 4)
            data[at:at + 4] = struct.pack('<I', rng.choice([0x7FFFFFFF, 0xFFFFFFFF, 0x80000000, 0x10000]))
        elif kind == 3:
            data = data * rng.randint(2, 50)
        else:
            data += bytes(rng.randrange(256) for _ in range(rng.randint(1, 64)))
        out.append(bytes(data))
    return out


def corpus(name):
    folder = os.path.join(CORPUS, name)
    if not os.path.isdir(folder):
        return []
    return [open(os.path.join(folder, f), 'rb').read() for f in sorted(os.listdir(folder))]


def data_files(c, rng):
    big = 2147483647
    texts = [
        'GRID 100000000 0\n0 0 1 1\n', 'GRID 0 100000000\n0\n1 1\n0 0\n', 'GRID 46341 46341\n0\n1 1\n0 0\n',
        'GRID %d %d\n0\n1 1\n0 0\n' % (big, big), 'GRID -5 3\n0\n1 1\n0 0\n', 'GRID 2 2\n0\n0 0\n0 0\n1 2 3 4\n',
        'GRID 2 2\nnan\ninf -inf\n1e308 -1e308\n1 2 3 4\n', 'IRGRID %d 2\n0\n' % big, 'IRGRID 3 3\n0\n3 2 1\n1 1 1\n' +
        '1 2 3 4 5 6 7 8 9\n', 'POINT %d\n0\n' % big, 'POINT 1\n0\n%d\n' % big, 'POINT -1\n0\n',
        'POINT 2\n0\n3\n1 2 3\n1 2 3\n1 2 3\n', 'GRID', '', '!only a comment\n', 'GRID 3 3\n0\n1 1\n0 0\n' +
        '9' * 5000 + '\n', 'GRID 2 2\n0\n1 1\n0 0\n1 2 3\n', 'NOTHING 1 2\n', '\0' * 100, 'GRID 2 2\r\n0\r\n1 1\r\n0 0\r\n'
        '1 2 3 4\r\n', 'grid 2 2\n0\n1 1\n0 0\n1 2 3 4\n', 'GRID 1 1\n0\n1 1\n0 0\n5\n',
    ]
    seeds = [t.encode() for t in texts] + corpus('data_read')
    inputs = seeds + [m for s in corpus('data_read') for m in mutations(rng, s, 6)]
    for n, data in enumerate(inputs):
        path = c.file('data%d.dat' % n, data)
        c.add('data file: data', ['data', path])
        if n % 3 == 0:
            c.add('data file: render', ['render', path, '-o', os.path.join(c.work, 'out.png'), '--size', '200x150'])
    for special in ['/dev/zero', '/dev/null', c.work, '/no/such/file', '/dev/urandom']:
        c.add('data file: special', ['data', special])
        c.add('data file: special', ['render', special, '-o', os.path.join(c.work, 'out.png')])


def levels_and_styles(c, rng, data):
    out = os.path.join(c.work, 'levels.png')
    lvl = ['1\n2\n3\n', '\n'.join(str(k) for k in range(1000000)) + '\n', 'nan\ninf\n-inf\n1e308\n',
           '!' * 100000 + '\n', ' ' * 100000 + '5\n', 'x\n' * 100000, '1\n' * 200000]
    sty = ['Red Blue 1 Solid\n', 'Red Blue 99999999999 Solid\n', 'Red Blue -5 Solid\n', 'Red\n', 'a b c d e f\n' * 10,
           '#zzzzzz #12 1 Dotted\n', ('Red Blue 1 Solid\n') * 200000, 'Red Blue 1 ' + 'X' * 100000 + '\n']
    seeds_l = [t.encode() for t in lvl] + corpus('levels')
    seeds_s = [t.encode() for t in sty] + corpus('styles')
    for n, text in enumerate(seeds_l + [m for s in corpus('levels') for m in mutations(rng, s, 5)]):
        path = c.file('levels%d.lvl' % n, text)
        c.add('levels file', ['levels', data, 'DISTN_METHOD=DistnFromTable', 'DISTN_TABLE=' + path])
        c.add('levels file', ['render', data, 'DISTN_METHOD=DistnFromTable', 'DISTN_TABLE=' + path, 'DRAW_ZONES=1',
                              'DRAW_CONTOURS=1', '-o', out, '--size', '200x150'])
    for n, text in enumerate(seeds_s + [m for s in corpus('styles') for m in mutations(rng, s, 5)]):
        path = c.file('styles%d.sty' % n, text)
        c.add('styles file', ['levels', data, 'CONTOUR_STYLES=' + path])
        c.add('styles file', ['render', data, 'CONTOUR_STYLES=' + path, 'DRAW_ZONES=1', '-o', out, '--size',
                              '200x150'])
    for special in ['/dev/zero', '/dev/null', c.work]:
        c.add('levels file', ['levels', data, 'DISTN_METHOD=DistnFromTable', 'DISTN_TABLE=' + special])
        c.add('styles file', ['levels', data, 'CONTOUR_STYLES=' + special])


def pictures(c, rng):
    out = os.path.join(c.work, 'picture.png')
    made = [
        huge_png(1 << 20, 1 << 20), huge_png(0x7FFFFFFF, 1), huge_png(30000, 30000), bitmap_header(30000, 30000, 24),
        bitmap_header(-5, 0x7FFFFFFF, 8), bitmap_header(1, 1, 13), bitmap_header(100, 100, 24, 0xFFFFFFFF, 0xFFFFFF00),
        b'BM' + b'\0' * 10, b'\xff\xd8\xff' + b'\0' * 100, b'\xff\xd8\xff\xc0\x00\x11\x08\xff\xff\xff\xff\x03' +
        b'\0' * 200,
        wmf([(0x020C, [1, 1])] + [(0x041B, [30000, 30000, -30000, -30000])] * 60),
        wmf([(0x020C, [1, 1]), (0x02FA, [0, 30000, 0, 255, 0]), (0x012D, [0])] + [(0x0213, [1, 1]),
                                                                                 (0x0214, [0, 0])] * 40),
        wmf([(0x020C, [1, 1])] + [(0x0324, [3, -30000, -30000, 30000, 0, 0, 30000])] * 60),
        wmf([(0x0F43, [0, 0, 0, 0, 0, 0, 0, 0, 30000, 30000, 0, 0])], 0),
        wmf([(0x0538, [30000] + [0] * 20)]), wmf([(0x001E, [])] * 5000 + [(0x0127, [-1])] * 5000),
        wmf([(0x020C, [1, 1])] + [(0x0521, [200] + [0x4141] * 100 + [0, 0])] * 20),
        emf_header(bounds=(0, 0, 0, 0)), emf_header(bounds=(0, 0, 0x7FFFFFFF, 0x7FFFFFFF)),
        emf_header(struct.pack('<II4iI', 27, 28, 0, 0, 1, 1, 0x7FFFFFFF), handles=0xFFFF),
    ]
    seeds = corpus('picture')
    inputs = made + seeds + [m for s in seeds for m in mutations(rng, s, 8)]
    layouts = ['ImageLayoutTiled', 'ImageLayoutStretched', 'ImageLayoutCentered', 'ImageLayoutCropFitted']
    for n, data in enumerate(inputs):
        path = c.file('picture%d.pic' % n, data)
        layout = layouts[n % len(layouts)]
        c.add('picture file', ['render', 'IMAGE=' + path, 'IMAGE_LAYOUT=' + layout, '-o', out, '--size', '400x300'])
        if n % 4 == 0:
            c.add('picture file', ['render', 'HEADER_IMAGE=' + path, 'HEADER_IMAGE_LAYOUT=ImageLayoutTiled',
                                   'HEADER_STRINGS=a', '-o', out, '--size', '400x300', '--format', 'svg'])
    for special in ['/dev/zero', '/dev/null', c.work, '/no/such/picture']:
        for layout in layouts[:2]:
            c.add('picture file', ['render', 'IMAGE=' + special, 'IMAGE_LAYOUT=' + layout, '-o', out])


def scripts(c, rng):
    # Statements on real members with hostile values, and text that is no statement.
    texts = ['print IsBatched\n', 'PreviewMethod = 99999\n', 'PreviewMethod = -2147483649\n',
             'ChartArea.View3D.Perspective = 1e308\n', 'ChartArea.View3D.XRotation = -1e-320\n',
             'ChartArea.PlotCube.XScale = "twelve"\n', 'ChartArea.PlotCube.XScale = Nothing\n',
             'Header.Text.Text = "' + 'x' * 100000 + '"\n', 'Header.Font = "' + ',' * 5000 + '"\n',
             'Header.Font = "DejaVu Sans,99999999999,Bold,Bold,Italic"\n',
             'Header.Border.Width = -99999999999999999\n', 'Legend.Border.Type = 1e10\n',
             'ChartArea.Axes(99999).Title.Text = "a"\n', 'ChartArea.Axes("Q").Min.Value = 1\n',
             'ChartArea.Axes(1.5).Max.Value = 1\n', 'ChartArea.Axes("z").Origin.Value = 1e308\n',
             'Header = 1\n', 'Legend.Labels.Add("a", 99999)\n', 'Legend.Labels.Remove(0)\n',
             'Legend.Labels.Item(-1).Text = "x"\n', 'print SaveImageAsPng("/dev/full", False)\n',
             'print SaveImageAsPng("' + 'd/' * 3000 + 'x.png", False)\n',
             'Header.Text.Text = "a" ' * 2000 + '\n', '=' * 1000 + '\n', '(((((' * 1000 + '\n',
             'on Nothing print x\n', '\0\1\2\3\n', '.' * 10000 + '\n']
    for n, text in enumerate(texts):
        path = c.file('script%d.txt' % n, text)
        c.add('script', ['script', path])
    for n, data in enumerate([b'', b'\0' * 1000, b'TC3' + b'\xff' * 500, os.urandom(2000)]):
        path = c.file('chart%d.tc3' % n, data)
        c.add('saved chart', ['script', '--load', path, '-'], b'print Chart3D.Type\n')
    c.add('saved chart', ['script', '--load', '/dev/zero', '-'], b'print Chart3D.Type\n')


def arguments(c, rng, data):
    out = os.path.join(c.work, 'args.png')
    dat = os.path.join(c.work, 'args.dat')
    bad_numbers = ['', 'x', '-1', '0', '1e999', 'nan', '-nan', '99999999999999999999', '2147483648', '0x10', ' 1']
    sizes = ['0x0', '1x1', '-5x10', '100000x100000', '32767x32767', '10x', 'x10', 'abc', '99999999999x1']
    commands = [
        ['render', data, '-o', out], ['cube', data, '-o', out], ['layout', data], ['pick', data, '--at', '5', '5'],
        ['levels', data], ['data', data], ['zvalue', data, '--at', '0', '0'], ['contours', data, '-o', dat],
        ['play', 'ZMIN?'], ['resample', data, '--window', '0', '0', '1', '1', '--points', '3', '3', '-o', dat],
        ['smooth', data, '--weight', '0.5', '-o', dat], ['relief', data, '-o', dat], ['specimen', '-o', out],
        ['sheet', '-o', out], ['resources'], ['typelib'],
    ]
    for base in commands:
        c.add('arguments: as given', base)
        for k in range(1, len(base)):
            c.add('arguments: cut short', base[:k])
        c.add('arguments: unknown option', base + ['--nonsense'])
        c.add('arguments: lower-case step', base + ['zmin=5'])
        for value in bad_numbers:
            for k, a in enumerate(base):
                if a in ('5', '0', '1', '3', '0.5'):
                    c.add('arguments: bad number', base[:k] + [value] + base[k + 1:])
                    break
    for size in sizes:
        c.add('arguments: bad size', ['render', data, '-o', out, '--size', size])
        c.add('arguments: bad size', ['pick', data, '--size', size, '--at', '1', '1'])
    for target in ['/dev/full', c.work, '/no/such/dir/x.png', data, '-', '']:
        c.add('arguments: bad output', ['render', data, '-o', target])
        c.add('arguments: bad output', ['contours', data, '-o', target])
    for fmt in ['nonsense', 'jpeg', 'bmp', 'svg', 'pdf', 'eps', 'emf', 'wmf']:
        for extra in [[], ['--quality', '-5'], ['--bits', '3'], ['--quality', '1000']]:
            c.add('arguments: formats', ['render', data, '-o', out, '--format', fmt] + extra)
    # Every resource given a value no rule expects.
    listing = subprocess.run([c.program, 'resources'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    names = [line.split()[0] for line in listing.decode().splitlines() if line.strip()]
    values = ['', 'x' * 5000, '-99999999999', '1e999', 'nan', '\x01\x02', '#zzzzzz', '/dev/zero', '999999']
    for name in names:
        c.add('arguments: resource values', ['play', '%s=%s' % (name, rng.choice(values)), name + '?'])
        c.add('arguments: resource values', ['render', data, '%s=%s' % (name, rng.choice(values)), '-o', out,
                                             '--size', '160x120'])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[1])
    parser.add_argument('program')
    parser.add_argument('--seed', type=int, default=14)
    parser.add_argument('--keep', help='a folder to keep the inputs in')
    parser.add_argument('--sanitized', action='store_true', help='the program is built with AddressSanitizer '
                        '(found by itself when the program holds the sanitizer)')
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    sanitized = args.sanitized or b'__asan_init' in open(program, 'rb').read()
    work = args.keep or tempfile.mkdtemp(prefix='bad_input_')
    os.makedirs(work, exist_ok=True)
    rng = random.Random(args.seed)
    c = Campaign(program, work, sanitized)
    grid = c.file('good.dat', 'GRID 4 3\n-99\n1 1\n0 0\n1 2 3\n4 5 6\n7 8 9\n10 11 12\n')
    data_files(c, rng)
    levels_and_styles(c, rng, grid)
    pictures(c, rng)
    scripts(c, rng)
    arguments(c, rng, grid)
    started = time.monotonic()
    counts, faults, slowest = c.run()
    total = sum(sum(v.values()) for v in counts.values())
    print('%d cases in %.0f s (%s; limits %d s and %d MiB a case)' % (
        total, time.monotonic() - started, 'sanitized' if sanitized else 'release', TIME_LIMIT, MEMORY_LIMIT >> 20))
    for group in sorted(counts):
        print('  %-32s %s' % (group, ', '.join('%s %d' % kv for kv in sorted(counts[group].items()))))
    every = {}
    for v in counts.values():
        for k, n in v.items():
            every[k] = every.get(k, 0) + n
    print('  %-32s %s' % ('all', ', '.join('%s %d' % kv for kv in sorted(every.items()))))
    print('slowest case: %.2f s: %s' % (slowest[0], ' '.join(slowest[1] or [])))
    for outcome, group, cmd, err in faults:
        print('FAULT %s [%s]: torvane3d %s' % (outcome, group, ' '.join(a[:80] for a in cmd)))
        if err.strip():
            print('    ' + err.strip().replace('\n', '\n    '))
    if not args.keep:
        shutil.rmtree(work, ignore_errors=True)
    serious = [f for f in faults if f[0] != 'silent-failure']
    return 1 if serious else 0


if __name__ == '__main__':
    sys.exit(main())
