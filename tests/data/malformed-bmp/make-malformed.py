#!/usr/bin/env python3
"""Writes the damaged BMP files of the imaging tests into this folder.

Each file breaks one rule a BMP reader must check: sizes and offsets that
lie, dimensions whose product overflows, colour tables shorter than claimed,
compressed runs that leave their row or the image. Run it from anywhere.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width=3, height=2, bpp=24, compression=0, header_size=40, offset=None,
        palette=b'', colours_used=0, image_size=0, extra=b'', pixels=None):
    """A file header, an info header of header_size bytes, extra bytes
    (masks), the palette and the pixels; offset defaults to just after the
    palette."""
    if pixels is None:
        stride = (width * bpp + 31) // 32 * 4
        pixels = bytes(stride * min(abs(height), 4))
    info = struct.pack('<IiiHHIIiiII', header_size, width, height, 1, bpp, compression,
                       image_size, 2835, 2835, colours_used, 0)
    info = info[:header_size].ljust(header_size, b'\0')
    head_len = 14 + header_size + len(extra) + len(palette)
    if offset is None:
        offset = head_len
    file_header = b'BM' + struct.pack('<IHHI', head_len + len(pixels), 0, 0, offset)
    return file_header + info + extra + palette + pixels


def grey_palette(n):
    return b''.join(bytes([i, i, i, 0]) for i in range(n))


def rle8(data, width=4, height=2, image_size=None):
    return bmp(width, height, 8, 1, palette=grey_palette(4), colours_used=4,
               image_size=len(data) if image_size is None else image_size, pixels=data)


def rle4(data, width=4, height=2):
    return bmp(width, height, 4, 2, palette=grey_palette(4), colours_used=4,
               image_size=len(data), pixels=data)


FILES = {
    'empty.bmp': b'',
    'no-signature.bmp': b'MB' + bmp()[2:],
    'unknown-header-size.bmp': bmp()[:14] + struct.pack('<I', 41) + bmp()[18:],
    'truncated-header.bmp': bmp()[:30],
    'zero-width.bmp': bmp(width=0, pixels=b'\0' * 8),
    'most-negative-height.bmp': bmp(height=-2**31, pixels=b'\0' * 16),
    'overflowing-size.bmp': bmp(width=2**31 - 1, height=2**31 - 1, pixels=b'\0' * 16),
    'too-many-pixels.bmp': bmp(width=65536, height=1025, bpp=1, pixels=b'\0' * 16),
    'pixel-offset-past-end.bmp': bmp(offset=5000),
    'truncated-rows.bmp': bmp(width=5, height=4)[:-5],
    # The largest picture allowed, stated by a file of a few bytes: refused
    # before 256 MiB of pixels are claimed for it.
    'largest-picture-no-rows.bmp': bmp(width=8192, height=8192, bpp=32, pixels=b'\0' * 16),
    'short-palette.bmp': bmp(bpp=8, palette=grey_palette(16), colours_used=256, pixels=b''),
    'huge-palette-count.bmp': bmp(bpp=8, palette=grey_palette(2), colours_used=0xFFFFFFFF),
    'offset-inside-palette.bmp': bmp(bpp=8, palette=grey_palette(16), colours_used=16, offset=14 + 40 + 8),
    'offset-inside-header.bmp': bmp(offset=20),
    'bitfields-24-bit.bmp': bmp(compression=3, extra=struct.pack('<III', 0xFF0000, 0xFF00, 0xFF)),
    'scattered-mask.bmp': bmp(bpp=16, compression=3, extra=struct.pack('<III', 0x7C01, 0x03E0, 0x001E)),
    'masks-past-end.bmp': bmp(bpp=32, compression=3, pixels=b'')[:14 + 40 + 6],
    'embedded-jpeg.bmp': bmp(compression=4),
    'unknown-compression.bmp': bmp(compression=9),
    'seven-bits.bmp': bmp(bpp=7),
    'rle8-with-4-bits.bmp': bmp(bpp=4, compression=1, palette=grey_palette(16)),
    'rle8-run-past-row.bmp': rle8(bytes([5, 1, 0, 1])),
    'rle8-literal-past-row.bmp': rle8(bytes([2, 1, 0, 3, 1, 2, 3, 0, 0, 1])),
    'rle8-past-last-row.bmp': rle8(bytes([4, 1, 0, 0, 4, 1, 0, 0, 1, 1, 0, 1])),
    'rle8-truncated.bmp': rle8(bytes([4, 1, 0, 0, 2])),
    'rle8-size-lies.bmp': rle8(bytes([4, 1, 0, 1]), image_size=400),
    'rle8-move-outside.bmp': rle8(bytes([0, 2, 9, 0, 0, 1])),
    'rle4-literal-past-data.bmp': rle4(bytes([0, 4, 0x12])),
    'rle4-run-past-row.bmp': rle4(bytes([10, 0x12, 0, 1])),
    'masks-left-out.bmp': bmp(bpp=16, compression=3),
}

for name, data in FILES.items():
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)
