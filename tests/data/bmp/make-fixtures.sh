#!/usr/bin/env bash
# Builds the BMP fixtures of the imaging tests: small images (13 x 7, an odd
# width so every depth has row padding) written by ImageMagick at every depth
# the reader takes, plus a few that ImageMagick does not write (RLE4, V4
# header, top-down rows, 16-bit without bit fields), derived from them with
# Python. Beside each NAME.bmp, NAME.rgba holds ImageMagick's own decoding of
# it (8-bit red, green, blue, alpha, top row first): the reference the tests
# compare against. Run it from anywhere; it rewrites the files in its folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The source pictures, as plain PPM: "many" has a different colour in every
# pixel, "sixteen" exactly 16 colours, "two" two; each has magenta at (0, 0).
picture() {
    awk -v mode="$1" 'BEGIN {
        w = 13; h = 7; printf "P3\n%d %d\n255\n", w, h
        for (y = 0; y < h; y++) for (x = 0; x < w; x++) {
            if (mode == "many") { r = (x * 19 + y * 7) % 256; g = (x * 3 + y * 37) % 256; b = (255 - x * 17) % 256 }
            else if (mode == "sixteen") { i = (x + y * 3) % 16; r = (i % 4) * 85; g = int(i / 4) * 85; b = (i * 51) % 256 }
            else { i = (x + y) % 2; r = i ? 255 : 0; g = i ? 0 : 128; b = i ? 255 : 64 }
            if (x == 0 && y == 0) { r = 255; g = 0; b = 255 }
            printf "%d %d %d\n", r, g, b
        } }'
}
picture many > many.ppm
picture sixteen > sixteen.ppm
picture two > two.ppm
alpha=(-alpha set -channel A -fx 'i/w' +channel)

convert two.ppm -type palette -compress none BMP3:bits1.bmp
convert sixteen.ppm -colors 16 -compress none BMP3:bits4.bmp
convert many.ppm -type palette -compress none BMP3:bits8.bmp
convert many.ppm -type palette -compress RLE BMP3:rle8.bmp
# (BMP3: with a 16-bit subtype declares bit fields but leaves the masks out;
# the V5 header holds them.)
convert many.ppm -define bmp:subtype=RGB565 BMP:bits16-565.bmp
convert many.ppm -define bmp:subtype=RGB555 BMP:bits16-555.bmp
convert many.ppm BMP3:bits24.bmp
convert many.ppm BMP:bits24-v5.bmp
convert many.ppm "${alpha[@]}" BMP:bits32-alpha.bmp
convert many.ppm "${alpha[@]}" -define bmp:subtype=ARGB4444 BMP:bits16-4444.bmp
convert many.ppm "${alpha[@]}" -define bmp:subtype=ARGB1555 BMP:bits16-1555.bmp
convert many.ppm -type palette -compress none BMP2:core8.bmp

python3 - <<'PY'
import struct

def load(name):
    return bytearray(open(name, 'rb').read())

# The 5-6-5 file with an info header (40 bytes) and its masks after it.
d = load('bits16-565.bmp')
offset = struct.unpack_from('<I', d, 10)[0]
masks = d[14 + 40:14 + 52]
info = d[:14 + 40] + masks + d[offset:]
struct.pack_into('<I', info, 14, 40)
struct.pack_into('<I', info, 10, 14 + 40 + 12)
struct.pack_into('<I', info, 2, len(info))
open('bits16-565-info.bmp', 'wb').write(info)

# 16-bit rows with no bit fields: the default 5-5-5 layout. The masks stay
# behind the header, unread.
d = load('bits16-555.bmp')
offset = struct.unpack_from('<I', d, 10)[0]
plain = d[:14 + 40] + d[14 + 40:14 + 52] + d[offset:]
struct.pack_into('<I', plain, 14, 40)
struct.pack_into('<I', plain, 30, 0)
struct.pack_into('<I', plain, 10, 14 + 40 + 12)
struct.pack_into('<I', plain, 2, len(plain))
open('bits16-plain.bmp', 'wb').write(plain)

# The V5 file cut down to a V4 header (108 bytes), everything after it moved up.
d = load('bits24-v5.bmp')
offset = struct.unpack_from('<I', d, 10)[0]
v4 = d[:14 + 108] + d[14 + 124:]
struct.pack_into('<I', v4, 14, 108)
struct.pack_into('<I', v4, 10, offset - 16)
struct.pack_into('<I', v4, 2, len(v4))
open('bits24-v4.bmp', 'wb').write(v4)

# Top-down rows: negative height, rows in the other order.
d = load('bits24.bmp')
offset = struct.unpack_from('<I', d, 10)[0]
w, h = struct.unpack_from('<ii', d, 18)
stride = (w * 3 + 3) // 4 * 4
rows = [d[offset + i * stride: offset + (i + 1) * stride] for i in range(h)]
struct.pack_into('<i', d, 22, -h)
open('top-down.bmp', 'wb').write(d[:offset] + b''.join(reversed(rows)))

# RLE4 from the 4-bit file: each row as a run of the first pixel's pair of
# colours (even count), then the rest as a literal run (odd lengths exercise
# the nibble and word padding), then end of line; end of bitmap last.
d = load('bits4.bmp')
offset = struct.unpack_from('<I', d, 10)[0]
w, h = struct.unpack_from('<ii', d, 18)
stride = (w * 4 + 31) // 32 * 4
out = bytearray()
for y in range(h):
    row = d[offset + y * stride: offset + (y + 1) * stride]
    px = [(row[x // 2] >> 4) if x % 2 == 0 else (row[x // 2] & 15) for x in range(w)]
    out += bytes([4, px[0] << 4 | px[1]])  # a run of 4: p0 p1 p0 p1
    px[2], px[3] = px[0], px[1]             # the run fixes these; the literal run goes on after them
    literal = px[4:]
    packed = bytes((literal[i] << 4) | (literal[i + 1] if i + 1 < len(literal) else 0)
                   for i in range(0, len(literal), 2))
    out += bytes([0, len(literal)]) + packed + (b'\0' if len(packed) % 2 else b'')
    out += b'\0\0'
out += b'\0\1'
head = d[:offset]
struct.pack_into('<I', head, 30, 2)
struct.pack_into('<I', head, 34, len(out))
struct.pack_into('<I', head, 2, len(head) + len(out))
open('rle4.bmp', 'wb').write(head + out)
PY

for f in *.bmp; do
    convert "$f" -depth 8 "rgba:${f%.bmp}.rgba"
done
rm -f "$here"/*.bmp "$here"/*.rgba
cp ./*.bmp ./*.rgba "$here"/
