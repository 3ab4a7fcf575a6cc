#!/usr/bin/env python3
"""Writes the hostile skins of this folder from the product's default skin
(skins/default, drawn by tools/skingen), each damaged in one way, packed with
sknutil. Run from anywhere with the path of a built sknutil:
    make-hostile.py build/native/tools/sknutil
README.md says what each file tries."""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
base = os.path.normpath(os.path.join(here, '..', '..', '..', 'skins', 'default'))
sknutil = os.path.abspath(sys.argv[1])


def run(*args):
    subprocess.run([sknutil, *args], check=True, stdout=subprocess.DEVNULL)


def bmp_1bit(width, height):
    """A two-colour picture, the smallest a long strip packs to."""
    stride = ((width + 31) // 32) * 4
    pixels = bytes([0b10101010]) * stride * height
    palette = bytes([255, 0, 255, 0, 128, 128, 128, 0])
    offset = 14 + 40 + len(palette)
    return (b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) +
            struct.pack('<IiiHHIIiiII', 40, width, height, 1, 1, 0, len(pixels), 0, 0, 2, 0) +
            palette + pixels)


def skin_dir(tmp, ini_edit=None, bmp=None, drop_bmps=False):
    """The default skin's files in a fresh folder, edited."""
    d = os.path.join(tmp, 'dir')
    shutil.rmtree(d, ignore_errors=True)
    shutil.copytree(base, d)
    ini_path = os.path.join(d, 'skin.ini')
    if ini_edit:
        text = open(ini_path, encoding='latin-1').read()
        open(ini_path, 'w', encoding='latin-1', newline='\r\n').write(ini_edit(text))
    for name in os.listdir(d):
        if name.endswith('.bmp'):
            if drop_bmps:
                os.remove(os.path.join(d, name))
            elif bmp:
                open(os.path.join(d, name), 'wb').write(bmp)
    return d


def packed(tmp, **edits):
    out = os.path.join(tmp, 'out.skn')
    run('pack', skin_dir(tmp, **edits), out)
    return open(out, 'rb').read()


def payload_edit(tmp, edit):
    """Unpacks the default skin's payload, edits its bytes, packs it again."""
    raw, body, out = (os.path.join(tmp, n) for n in ('raw', 'body', 'edited.skn'))
    open(raw, 'wb').write(packed(tmp))
    run('unlzh', raw, body)
    edited = edit(open(body, 'rb').read())
    open(body, 'wb').write(edited)
    run('lzh', body, out)
    return open(out, 'rb').read()


def set_keys(pattern, value):
    """Every key whose name matches pattern gets value."""
    rx = re.compile(r'^(' + pattern + r')=.*$', re.M | re.I)
    return lambda text: rx.sub(lambda m: m.group(1) + '=' + value, text)


NONSENSE = ['', '-1', '2147483648', '-2147483649', 'abc', '99999999999999999999',
            '0x7FFFFFFF', '1,2,3', '=', ' 12 ', '-0', '\x7f\x80\xff']


def every_key_nonsense(text):
    counter = iter(range(1 << 30))
    return re.sub(r'^([^;\[\r\n=][^=\r\n]*)=.*$',
                  lambda m: m.group(1) + '=' + NONSENSE[next(counter) % len(NONSENSE)],
                  text, flags=re.M)


def drop_sections(keep):
    def edit(text):
        parts = re.split(r'(?m)^(?=\[)', text)
        return ''.join(p for p in parts
                       if not p.startswith('[') or p[1:p.index(']')].lower() in keep)
    return edit


def member_size_lies(payload):
    # Header: tag, name-list length, 8 bytes; then the names; then one size
    # per name. The first size (skin.ini's, or whichever comes first) now
    # claims nearly 2 GiB.
    list_length = struct.unpack_from('<i', payload, 4)[0]
    at = 16 + list_length
    return payload[:at] + struct.pack('<i', 0x7FFFFFF0) + payload[at + 4:]


def main():
    with tempfile.TemporaryDirectory() as tmp:
        whole = packed(tmp)
        frame_keys = r'[A-Za-z]*Frame|frame'
        margin_keys = (r'[A-Za-z]*(TopHeight|BotHeight|BottomHeight|LeftWidth|RightWidth)|'
                       r'Xcoord|Ycoord|TextShift|TextShiftVert|TextRightClip|TXTBack\w+')
        files = {
            'truncated.skn': whole[:len(whole) // 2],
            'lying-body-size.skn':
                struct.pack('<i', struct.unpack_from('<i', whole)[0] * 4) + whole[4:],
            'lying-member-size.skn': payload_edit(tmp, member_size_lies),
            'wrong-tag.skn': payload_edit(tmp, lambda p: struct.pack('<i', 12345) + p[4:]),
            'huge-margins.skn': packed(tmp, ini_edit=set_keys(margin_keys, '1000000')),
            'frames-zero.skn': packed(tmp, ini_edit=set_keys(frame_keys, '0')),
            'frames-million.skn': packed(tmp, ini_edit=set_keys(frame_keys, '1000000')),
            'images-1x1.skn': packed(tmp, bmp=bmp_1bit(1, 1)),
            'images-30000x1.skn': packed(tmp, bmp=bmp_1bit(30000, 1)),
            'no-frame-sections.skn':
                packed(tmp, ini_edit=set_keys(r'Left|Right|Top|Bottom', '')),
            'missing-sections.skn': packed(tmp, ini_edit=drop_sections({'titlebarskin'})),
            'missing-images.skn': packed(tmp, drop_bmps=True),
            'nonsense-values.skn': packed(tmp, ini_edit=every_key_nonsense),
        }
        for name, data in files.items():
            open(os.path.join(here, name), 'wb').write(data)
            print(f'{name}: {len(data)} bytes')


main()
