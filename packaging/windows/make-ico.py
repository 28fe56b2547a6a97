#!/usr/bin/env python3
"""Writes tombolix.ico from the gear's PNGs: the 32 x 32 picture as a 24-bit bitmap with a
transparency mask, as the window's icon has always been, and 16, 48, 64, 128 and 256 pixels
for Explorer. Run once when the pictures change; the build uses the checked-in result.

    python3 packaging/windows/make-ico.py   (needs ImageMagick's convert)
"""
import pathlib
import struct
import subprocess

root = pathlib.Path(__file__).resolve().parents[2]


def rgba(png, size):
    return subprocess.run(['convert', str(png), '-resize', f'{size}x{size}', '-depth', '8',
                           'rgba:-'], check=True, capture_output=True).stdout


def bitmap_24(pixels, size):
    """A BMP icon entry: 24-bit colour rows bottom-up, then the 1-bit AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    colour, mask = bytearray(), bytearray()
    stride, mask_stride = (size * 3 + 3) // 4 * 4, (size + 31) // 32 * 4
    for y in reversed(range(size)):
        row, bits = bytearray(), bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixels[(y * size + x) * 4:(y * size + x) * 4 + 4]
            row += bytes((b, g, r))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour += row + bytes(stride - len(row))
        mask += bits
    return header + colour + mask


def png(path, size):
    return subprocess.run(['convert', str(path), '-resize', f'{size}x{size}', 'png:-'],
                          check=True, capture_output=True).stdout


entries = [(32, 24, bitmap_24(rgba(root / 'assets/tombolix.png', 32), 32)),
           (16, 32, png(root / 'assets/tombolix.png', 16))]
for size in (48, 64, 128, 256):
    entries.append((size, 32, (root / f'packaging/icons/tombolix-{size}.png').read_bytes()))

out = struct.pack('<HHH', 0, 1, len(entries))
offset = 6 + 16 * len(entries)
for size, bits, data in entries:
    out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits, len(data), offset)
    offset += len(data)
out += b''.join(data for _, _, data in entries)
(root / 'packaging/windows/tombolix.ico').write_bytes(out)
