"""Reads and writes the plain PNGs the skins use: 8-bit RGB or RGBA, not interlaced.

Standard library only, so that the skin scripts run wherever Python 3 does.
"""

import glob
import hashlib
import os
import shutil
import struct
import subprocess
import zlib

_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Image:
    """Pixels as one RGBA byte string, row after row; images without alpha read as a = 255."""

    def __init__(self, width, height, rgba, has_alpha):
        self.width = width
        self.height = height
        self.rgba = rgba
        self.has_alpha = has_alpha

    def pixel(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.rgba[i : i + 4])

    def opaque(self):
        return self.rgba[3::4] == b"\xff" * (self.width * self.height)


def read_size(path):
    with open(path, "rb") as f:
        head = f.read(33)
    if head[:8] != _SIGNATURE or head[12:16] != b"IHDR":
        raise ValueError(f"{path}: not a PNG")
    return struct.unpack(">II", head[16:24])


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read(path):
    """Decodes large images with ImageMagick when it is installed (faster), the rest in Python."""
    width, height = read_size(path)
    if width * height > 40000 and shutil.which("convert"):
        with open(path, "rb") as f:
            colour = f.read(26)[25]
        return Image(width, height, rgba_bytes(path), colour in (4, 6))
    return _read_python(path)


def _read_python(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != _SIGNATURE:
        raise ValueError(f"{path}: not a PNG")
    pos, idat, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos : pos + 8])
        body = data[pos + 8 : pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit RGB/RGBA without interlace is read")
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(b"".join(idat))
    stride = width * bpp
    prev = bytearray(stride)
    rgba = bytearray()
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = prev[i]
            corner = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 255
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, corner)) & 255
        if bpp == 4:
            rgba += line
        else:
            for i in range(0, stride, 3):
                rgba += line[i : i + 3] + b"\xff"
        prev = line
    return Image(width, height, bytes(rgba), colour == 6)


def rgba_bytes(path):
    """The pixels as one RGBA byte string, row after row (ImageMagick when installed)."""
    convert = shutil.which("convert")
    if convert:
        return subprocess.run(
            [convert, path, "-depth", "8", "RGBA:-"], check=True, capture_output=True
        ).stdout
    return _read_python(path).rgba


def flatten(path):
    """Rewrites an opaque RGBA PNG as 24-bit RGB, so that it is drawn without blending."""
    width, height = read_size(path)
    rgba = rgba_bytes(path)
    if rgba[3::4] != b"\xff" * (width * height):
        raise ValueError(f"{path}: a pixel is not opaque")
    rgb = bytearray(width * height * 3)
    for i in range(3):
        rgb[i::3] = rgba[i::4]
    stride = width * 3
    raw = b"".join(b"\0" + rgb[y * stride : (y + 1) * stride] for y in range(height))

    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(_SIGNATURE + chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def source_digest(root):
    """SHA-256 over what the skins are rendered from: the drawing code and the layout table.
    scripts/render-skins records it, scripts/check-skins compares, so stale PNGs are noticed."""
    digest = hashlib.sha256()
    paths = sorted(glob.glob(os.path.join(root, "skins", "src", "*.py")))
    for path in paths + [os.path.join(root, "skins", "layout.json")]:
        digest.update(os.path.basename(path).encode() + b"\0")
        with open(path, "rb") as f:
            digest.update(f.read())
    return digest.hexdigest()
