#!/usr/bin/env python3
"""Writes the small PNGs the Win32 skin tests decode (exact pixel values, no image library)."""
import struct, zlib, pathlib

here = pathlib.Path(__file__).parent

def png(path, width, height, rows, colour_type, palette=None, trns=None):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + bytes(row) for row in rows)
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    if palette: out += chunk(b"PLTE", bytes(sum(palette, ())))
    if trns: out += chunk(b"tRNS", bytes(trns))
    out += chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
    (here / path).write_bytes(out)

def solid_rgba(w, h, body, edge_alpha):
    # body colour; the top row is half transparent (a soft edge)
    return [[c for _ in range(w) for c in (*body, edge_alpha if y == 0 else 255)] for y in range(h)]

png("alpha.png", 4, 1, [[255, 0, 0, 128, 0, 255, 0, 255, 0, 0, 255, 0, 255, 255, 255, 64]], 6)
png("opaque24.png", 2, 1, [[10, 20, 30, 200, 100, 50]], 2)
png("palette.png", 2, 1, [[0, 1]], 3, palette=[(255, 0, 0), (0, 0, 255)], trns=[0])
(here / "corrupt.png").write_bytes(b"\x89PNG\r\n\x1a\n" + b"\x00\x00\x00\x0dIHDR" + b"\xff" * 40)

skin = "Skins/Test/"
png(skin + "media-key.png", 380, 290, [[30, 30, 30] * 380 for _ in range(290)], 2)
png(skin + "button-normal.png", 105, 21, solid_rgba(105, 21, (0, 0, 200), 128), 6)
png(skin + "button-over.png", 105, 21, solid_rgba(105, 21, (200, 0, 0), 128), 6)
png(skin + "button-close-normal.png", 18, 18, solid_rgba(18, 18, (0, 200, 0), 255), 6)
png(skin + "button-close-over.png", 18, 18, solid_rgba(18, 18, (200, 200, 0), 255), 6)
