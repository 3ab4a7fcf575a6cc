#!/usr/bin/env python3
"""Writes the damaged skin files of this folder. Run from anywhere with the
path of a built sknutil: make-malformed.py build/native/tools/sknutil"""
import os
import struct
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sknutil = sys.argv[1]


def i32(v):
    return struct.pack('<i', v)


def packed(payload):
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, 'in'), os.path.join(tmp, 'out')
        open(src, 'wb').write(payload)
        subprocess.run([sknutil, 'lzh', src, dst], check=True)
        return open(dst, 'rb').read()


def header(tag, list_length):
    return i32(tag) + i32(list_length) + bytes(8)


files = {
    'empty.skn': b'',
    'negative-size.skn': i32(-1) + b'\x00\x01\x02',
    'huge-size.skn': i32(0x40000000) + bytes(32),
    'truncated-header.skn': packed(i32(20000) + b'\x05'),
    'older-format.skn': packed(header(12000, 7) + b'a.bmp\r\n' + i32(1) + b'x'),
    'name-list-too-long.skn': packed(header(20000, 4000) + b'a.bmp\r\n'),
    'member-past-end.skn': packed(header(20000, 7) + b'a.ini\r\n' + i32(1000) + b'[x]'),
    'negative-member.skn': packed(header(20000, 7) + b'a.ini\r\n' + i32(-2)),
    'too-many-names.skn': packed(header(20000, 3 * 1002) + b'a\r\n' * 1002 + bytes(4 * 1002)),
}
for name, data in files.items():
    open(os.path.join(here, name), 'wb').write(data)
