"""Minimal 24-bit Windows bitmap writer and reader (uncompressed, 40-byte header, bottom-up)."""
import struct


def write_bmp24(path, width, height, pixel):
    """Write a width x height picture; pixel(x, y) -> (r, g, b), y = 0 is the top row."""
    row_size = (width * 3 + 3) & ~3
    pad = b"\0" * (row_size - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):  # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + pad)
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def read_bmp24(path):
    """Read a 24-bit bitmap written as above; returns (width, height, rows) with rows[y][x] =
    (r, g, b) and y = 0 the top row."""
    with open(path, "rb") as f:
        blob = f.read()
    magic, _size, _r1, _r2, offset = struct.unpack_from("<2sIHHI", blob, 0)
    if magic != b"BM":
        raise ValueError(f"{path}: not a bitmap")
    hsize, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", blob, 14)
    if hsize != 40 or planes != 1 or bits != 24 or compression != 0 or width <= 0 or height <= 0:
        raise ValueError(f"{path}: not an uncompressed bottom-up 24-bit bitmap with a 40-byte header")
    row_size = (width * 3 + 3) & ~3
    if offset + row_size * height > len(blob):
        raise ValueError(f"{path}: pixel data runs past the end of the file")
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * row_size
        line = blob[start:start + width * 3]
        rows.append([(line[3 * x + 2], line[3 * x + 1], line[3 * x]) for x in range(width)])
    return width, height, rows
