#!/usr/bin/env python3
"""Writes tolvane.ico: the program's icon, 32 x 32 and 16 x 16, 32-bit.

A page with a blue frame and three lines of cyan "text", in the editor's own
colours. Run it again after changing the drawing; the .ico is committed.
"""
import struct
import sys

BACK = (34, 85, 136)
TEXT = (200, 255, 255)
PAGE = (245, 245, 240)


def pixel(x, y, size):
    s = size / 32.0
    if x < 3 * s or x >= size - 3 * s or y < 2 * s or y >= size - 2 * s:
        return None  # transparent
    if x < 5 * s or x >= size - 5 * s or y < 4 * s or y >= size - 4 * s:
        return BACK
    for row in (9, 15, 21):
        if row * s <= y < (row + 3) * s:
            end = 24 if row != 15 else 19
            if 8 * s <= x < end * s:
                return BACK if x < 11 * s else TEXT
    return PAGE


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(size):
            c = pixel(x, y, size)
            row += struct.pack("BBBB", *(c[::-1] if c else (0, 0, 0)), 255 if c else 0)
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = b""
    for y in range(size - 1, -1, -1):
        bits = 0
        for x in range(size):
            if pixel(x, y, size) is None:
                bits |= 1 << (mask_row * 8 - 1 - x)
        mask += bits.to_bytes(mask_row, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main(out):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "tolvane.ico")
