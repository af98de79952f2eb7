#!/usr/bin/env python3
"""Writes the seed bitmaps of fuzz/corpus/bitmap/: one small file per depth and an RLE8 one."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "bitmap")


def bmp(width, height, bits, rows, palette=(), compression=0, top_down=False):
    data = b"".join(rows)
    offset = 14 + 40 + 4 * len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits,
                       compression, len(data), 2835, 2835, len(palette), 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + info + pal + data


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def main():
    os.makedirs(HERE, exist_ok=True)
    colors = [(255, 128, 64), (0, 0, 0), (8, 4, 8), (255, 255, 255)]
    files = {
        "mono_8x4.bmp": bmp(8, 4, 1, [pad(bytes([0b10110010])) for _ in range(4)],
                            colors[:2]),
        "four_6x3.bmp": bmp(6, 3, 4, [pad(bytes([0x01, 0x23, 0x10])) for _ in range(3)],
                            colors),
        "index_5x3.bmp": bmp(5, 3, 8, [pad(bytes([0, 1, 2, 3, y])) for y in range(3)], colors),
        "index_topdown_4x2.bmp": bmp(4, 2, 8, [pad(bytes([3, 2, 1, 0]))] * 2, colors,
                                     top_down=True),
        "true_3x2.bmp": bmp(3, 2, 24, [pad(bytes([64, 128, 255, 0, 0, 0, 8, 4, 8]))] * 2),
        "true32_2x2.bmp": bmp(2, 2, 32, [bytes([64, 128, 255, 0, 255, 255, 255, 0])] * 2),
        "rle8_4x2.bmp": bmp(4, 2, 8, [bytes([3, 1, 1, 0, 0, 0, 4, 0, 0, 1])], colors,
                            compression=1),
    }
    for name, content in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
