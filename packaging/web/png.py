"""Reads and writes the PNG files of screenshots, with Python's standard library.

    image = Image.read("shot.png")      # image.pixel(x, y) -> (r, g, b)
    image.crop(x, y, w, h).write("part.png")
"""
import struct
import zlib


class Image:
    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self.rows = rows  # height bytearrays of width * 3 bytes: red, green, blue

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            data = file.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(f"{path} is not a PNG file")
        at, idat = 8, b""
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace:
                    raise ValueError(f"{path}: only 8-bit RGB or RGBA without interlacing")
            elif kind == b"IDAT":
                idat += body
            at += 12 + length
        channels = 3 if colour == 2 else 4
        raw = zlib.decompress(idat)
        stride = width * channels
        rows, previous = [], bytearray(stride)
        for y in range(height):
            start = y * (stride + 1)
            kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
            _unfilter(kind, line, previous, channels)
            rows.append(line if channels == 3 else bytearray(b for i, b in enumerate(line) if i % 4 != 3))
            previous = line
        return Image(width, height, rows)

    def pixel(self, x, y):
        row = self.rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def crop(self, x, y, width, height):
        return Image(width, height, [bytearray(row[3 * x:3 * (x + width)]) for row in self.rows[y:y + height]])

    def write(self, path):
        raw = b"".join(b"\0" + bytes(row) for row in self.rows)

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        with open(path, "wb") as file:
            file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
                       + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def _unfilter(kind, line, previous, bpp):
    if kind == 0:
        return
    for i in range(len(line)):
        left = line[i - bpp] if i >= bpp else 0
        up = previous[i]
        if kind == 1:
            line[i] = (line[i] + left) & 0xFF
        elif kind == 2:
            line[i] = (line[i] + up) & 0xFF
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            corner = previous[i - bpp] if i >= bpp else 0
            estimate = left + up - corner
            a, b, c = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
            line[i] = (line[i] + (left if a <= b and a <= c else up if b <= c else corner)) & 0xFF
        else:
            raise ValueError(f"unknown PNG filter {kind}")
