#!/usr/bin/env python3
"""Generates src/core/Cp932Table.cpp, the code page 932 (Shift_JIS) table.

How the table is made:
  1. Every single byte 0x00-0xFF and every lead/trail pair (lead 0x81-0x9F,
     0xE0-0xFC; trail 0x40-0x7E, 0x80-0xFC) is decoded with glibc's iconv(3),
     converter "CP932", called through ctypes.
  2. Single bytes glibc has no character for are taken from the Windows
     table: 0x80 -> U+0080, 0xA0 -> U+F8F0, 0xFD-0xFF -> U+F8F1-U+F8F3.
  3. The result is compared with Python's "cp932" codec (which must agree
     everywhere) and, when the uconv tool is installed, with ICU's
     "windows-31j", which must agree except for the controls 0x1A, 0x1C and
     0x7F that ICU swaps; our table maps them to themselves.
  4. Pinned values are asserted before anything is written.

Run from the repository root:  python3 scripts/gen_cp932_table.py
"""
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))
assert len(LEADS) == 60 and len(TRAILS) == 188

# Windows has a character for these single bytes; glibc does not.
WINDOWS_SINGLE_EXTRAS = {0x80: 0x0080, 0xA0: 0xF8F0, 0xFD: 0xF8F1, 0xFE: 0xF8F2, 0xFF: 0xF8F3}
# ICU's windows-31j rotates these three controls; Windows maps them to themselves.
ICU_SWAPPED = {0x1A, 0x1C, 0x7F}

PINS = {
    b'\x5c': 0x005C, b'\x7e': 0x007E, b'\x1a': 0x001A, b'\x1c': 0x001C, b'\x7f': 0x007F,
    b'\x81\x5f': 0xFF3C, b'\x81\x60': 0xFF5E, b'\x87\x40': 0x2460,
    b'\xed\x40': 0x7E8A, b'\xfa\x40': 0x2170, b'\xa1': 0xFF61, b'\xdf': 0xFF9F,
}


class GlibcIconv:
    def __init__(self, fromcode):
        libc = ctypes.CDLL(ctypes.util.find_library('c'), use_errno=True)
        self._open = libc.iconv_open
        self._open.restype = ctypes.c_void_p
        self._open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self._iconv = libc.iconv
        self._iconv.restype = ctypes.c_size_t
        self._iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p),
                                ctypes.POINTER(ctypes.c_size_t),
                                ctypes.POINTER(ctypes.c_char_p),
                                ctypes.POINTER(ctypes.c_size_t)]
        self._cd = self._open(b'UTF-16LE', fromcode)
        if self._cd in (None, ctypes.c_void_p(-1).value):
            sys.exit('iconv_open failed for %r' % fromcode)

    def decode(self, data):
        """UTF-16 units for data, or None when glibc rejects or splits it."""
        self._iconv(self._cd, None, None, None, None)  # reset the state
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(16)
        inp = ctypes.c_char_p(ctypes.addressof(inbuf))
        outp = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(data))
        outleft = ctypes.c_size_t(16)
        r = self._iconv(self._cd, ctypes.byref(inp), ctypes.byref(inleft),
                        ctypes.byref(outp), ctypes.byref(outleft))
        if r == ctypes.c_size_t(-1).value or inleft.value != 0:
            return None
        raw = outbuf.raw[:16 - outleft.value]
        return [raw[i] | raw[i + 1] << 8 for i in range(0, len(raw), 2)]


def python_decode(data):
    try:
        return [ord(c) for c in data.decode('cp932')]
    except UnicodeDecodeError:
        return None


def build():
    glibc = GlibcIconv(b'CP932')
    single = [0] * 256
    lead_set = set(LEADS)
    for b in range(256):
        if b in lead_set:
            continue
        units = glibc.decode(bytes([b]))
        if units is None:
            single[b] = WINDOWS_SINGLE_EXTRAS[b]  # KeyError: a byte nobody maps
        else:
            assert len(units) == 1, hex(b)
            single[b] = units[0]
    pairs = {}
    for lead in LEADS:
        for trail in TRAILS:
            units = glibc.decode(bytes([lead, trail]))
            if units is not None:
                assert len(units) == 1 and units[0] != 0, (hex(lead), hex(trail))
                pairs[(lead, trail)] = units[0]
    # A pair outside the lead/trail ranges must not exist in glibc's table.
    for lead in LEADS:
        for trail in range(256):
            if trail not in TRAILS:
                units = glibc.decode(bytes([lead, trail]))
                assert units is None or len(units) != 1, (hex(lead), hex(trail))
    return single, pairs


def lookup(single, pairs, data):
    if len(data) == 1:
        return single[data[0]] if data[0] not in LEADS else None
    return pairs.get((data[0], data[1]))


def check_python(single, pairs):
    bad = 0
    for b in range(256):
        if b in LEADS:
            continue
        if python_decode(bytes([b])) != [single[b]]:
            print('python differs at %02X' % b)
            bad += 1
    for lead in LEADS:
        for trail in TRAILS:
            got = python_decode(bytes([lead, trail]))
            want = pairs.get((lead, trail))
            if (got[0] if got and len(got) == 1 else None) != want:
                print('python differs at %02X%02X: %r vs %r' % (lead, trail, got, want))
                bad += 1
    return bad


def check_icu(single, pairs):
    if not shutil.which('uconv'):
        print('uconv not installed: ICU check skipped')
        return 0
    seqs = [bytes([b]) for b in range(256) if b not in LEADS and b != 0x0A]
    seqs += [bytes([l, t]) for l in LEADS for t in TRAILS]
    # One run over every sequence, each followed by LF; ICU marks what it
    # cannot map with U+FFFD or U+001A.
    out = subprocess.run(['uconv', '--callback', 'substitute', '-f', 'windows-31j', '-t', 'UTF-16LE'],
                         input=b''.join(s + b'\n' for s in seqs), capture_output=True, check=True)
    units = [out.stdout[i] | out.stdout[i + 1] << 8 for i in range(0, len(out.stdout), 2)]
    results = []
    current = []
    for u in units:
        if u == 0x0A:
            results.append(current)
            current = []
        else:
            current.append(u)
    assert len(results) == len(seqs), 'ICU output out of step'
    bad = 0
    for s, got in zip(seqs, results):
        icu = got[0] if len(got) == 1 and got[0] not in (0xFFFD, 0x1A) else None
        if s == b'\x7f' and got == [0x1A]:
            icu = 0x1A
        want = lookup(single, pairs, s)
        if icu != want:
            if len(s) == 1 and s[0] in ICU_SWAPPED:
                continue  # the known ICU difference
            if len(s) == 1 and s[0] in WINDOWS_SINGLE_EXTRAS and icu is None:
                continue  # ICU has no character for these Windows single bytes
            print('ICU differs at %s: %r vs %r' % (s.hex(), got, want))
            bad += 1
    return bad


def emit(single, pairs, path):
    lines = []
    lines.append('// Generated by scripts/gen_cp932_table.py from glibc iconv "CP932",')
    lines.append('// checked against Python\'s cp932 codec and ICU\'s windows-31j. Do not edit.')
    lines.append('#include "core/Cp932Table.h"')
    lines.append('')
    lines.append('namespace quillon::cp932 {')
    lines.append('')
    lines.append('const char16_t singleByte[256] = {')
    for row in range(0, 256, 8):
        lines.append('    ' + ' '.join('0x%04X,' % single[b] for b in range(row, row + 8)))
    lines.append('};')
    lines.append('')
    lead_index = [-1] * 256
    for i, l in enumerate(LEADS):
        lead_index[l] = i
    trail_index = [-1] * 256
    for i, t in enumerate(TRAILS):
        trail_index[t] = i
    for name, table in (('leadIndex', lead_index), ('trailIndex', trail_index)):
        lines.append('const int16_t %s[256] = {' % name)
        for row in range(0, 256, 16):
            lines.append('    ' + ' '.join('%d,' % table[b] for b in range(row, row + 16)))
        lines.append('};')
        lines.append('')
    lines.append('const char16_t pairs[LeadCount][TrailCount] = {')
    for lead in LEADS:
        lines.append('    { // lead 0x%02X' % lead)
        row = [pairs.get((lead, t), 0) for t in TRAILS]
        for k in range(0, 188, 12):
            lines.append('        ' + ' '.join('0x%04X,' % u for u in row[k:k + 12]))
        lines.append('    },')
    lines.append('};')
    lines.append('')
    lines.append('} // namespace quillon::cp932')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    single, pairs = build()
    assert all(single[b] == b for b in range(0x80)), 'ASCII must map to itself'
    for data, cp in PINS.items():
        assert lookup(single, pairs, data) == cp, (data, hex(cp))
    for b in range(0xA1, 0xE0):
        assert single[b] == 0xFF61 + b - 0xA1
    bad = check_python(single, pairs) + check_icu(single, pairs)
    if bad:
        sys.exit('%d differences: table not written' % bad)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    emit(single, pairs, os.path.join(root, 'src', 'core', 'Cp932Table.cpp'))
    print('%d pairs written' % len(pairs))


if __name__ == '__main__':
    main()
