#!/usr/bin/env python3
"""Writes a Windows icon file from PNG pictures, one entry per picture, each
kept as PNG (which Windows takes at every size since Vista).

    make_ico.py <out.ico> <picture.png>...
"""
import struct
import sys


def size_of(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n" or png[12:16] != b"IHDR":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", png[16:24])


def main(out, pictures):
    images = [open(path, "rb").read() for path in pictures]
    images.sort(key=lambda png: size_of(png)[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b"", b""
    for png in images:
        width, height = size_of(png)
        if width != height or width > 256:
            raise SystemExit(f"{width}x{height}: an icon is square, at most 256 pixels")
        # 256 is written as 0; 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png),
                               offset + len(data))
        data += png
    with open(out, "wb") as ico:
        ico.write(header + entries + data)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
