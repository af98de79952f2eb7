#!/usr/bin/env python3
"""Contrast of the pause menu's entries, measured in screenshots of the running game.

    tools/pause_contrast.py BUILD_DIR [SHOT_DIR]

Opens the pause menu in every stage (0..10) with kobako-headless, keeps the screenshots in
SHOT_DIR (default /tmp/kobako-shots) as pause_NN.png and prints, per stage, the lowest WCAG
contrast ratio between each text colour and the screen pixels behind the text: every pixel of
the five entry boxes (the star's cell and the letters) that is not a glyph pixel. Every row is
measured against both colours, since the cursor can stand on any of them. Exits 1 when the
chosen colour falls below 3:1 or the normal colour below 7:1 anywhere.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# The entries as scenes/pause.cpp draws them: 12 x 20 cells (a Japanese letter is two wide),
# the star at x 190, the text at x 220, row i at y 50 + 20 i.
ENTRY_LETTERS = [9, 6, 9, 9, 7]
NORMAL = (240, 240, 240)
CHOSEN = (120, 100, 80)
# Shift opens the menu; it has faded in fully (level 200) well before the shot. Stage 10
# begins with a talk: Space leafs through it first.
PAUSE = "at {0} keys Shift\nat {1} keys -\nat {2} shot menu.png\nat {2} state menu.json\nend {2}\n"
TALK = "".join("at %d keys Space\nat %d keys -\n" % (f, f + 2) for f in range(40, 301, 10))


def script(stage):
    return TALK + PAUSE.format(330, 332, 380) if stage == 10 else PAUSE.format(60, 62, 110)


def read_png(path):
    """Width, height and rows of (r, g, b) of an 8-bit RGB or RGBA PNG, not interlaced."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + ": not a PNG")
    pos, idat = 8, b""
    while pos < len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + size]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(path + ": only 8-bit RGB or RGBA, not interlaced")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + size
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                line[i] = (line[i] + pred) & 255
        rows.append([tuple(line[x * bpp:x * bpp + 3]) for x in range(width)])
        prev = line
    return width, height, rows


def as_shown(rgb):
    """The colour after the game's RGB565 screen, widened back to 8 bits as the shots are."""
    r, g, b = rgb[0] >> 3, rgb[1] >> 2, rgb[2] >> 3
    return (r * 255 // 31, g * 255 // 63, b * 255 // 31)


def luminance(rgb):
    def linear(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def worst(rows):
    """Lowest ratio of the chosen and of the normal colour over the entries' background."""
    inks = {as_shown(NORMAL), as_shown(CHOSEN)}
    chosen = normal = float("inf")
    for i, letters in enumerate(ENTRY_LETTERS):
        for y in range(50 + 20 * i, 70 + 20 * i):
            for x in range(190, 220 + 24 * letters):
                pixel = rows[y][x]
                if pixel in inks:
                    continue
                chosen = min(chosen, contrast(as_shown(CHOSEN), pixel))
                normal = min(normal, contrast(as_shown(NORMAL), pixel))
    return chosen, normal


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    shots = os.path.abspath(sys.argv[2] if len(sys.argv) == 3 else "/tmp/kobako-shots")
    os.makedirs(shots, exist_ok=True)
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for stage in range(11):
            with open(os.path.join(work, "script.txt"), "w") as f:
                f.write(script(stage))
            subprocess.run([os.path.join(build, "kobako-headless"), "--data",
                            os.path.join(build, "game"), "--stage", str(stage), "script.txt"],
                           cwd=work, check=True)
            with open(os.path.join(work, "menu.json")) as f:
                if '"scene":"PauseScene"' not in f.read():
                    sys.exit("stage %d: the pause menu did not open" % stage)
            shot = os.path.join(shots, "pause_%02d.png" % stage)
            os.replace(os.path.join(work, "menu.png"), shot)
            chosen, normal = worst(read_png(shot)[2])
            ok = chosen >= 3 and normal >= 7
            failed |= not ok
            print("stage %2d  chosen %5.2f : 1  others %5.2f : 1  %s  %s" %
                  (stage, chosen, normal, "ok" if ok else "LOW", shot))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
