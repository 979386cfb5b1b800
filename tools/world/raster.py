"""Text rendering through ImageMagick's convert into plain pixel rows."""
import subprocess

NANUM = "/usr/share/fonts/truetype/nanum/"


def read_ppm(blob):
    """Pixel rows [y][x] = (r, g, b) of a binary 8-bit PPM (P6)."""
    fields, pos = [], 0
    while len(fields) < 4:
        while blob[pos:pos + 1].isspace():
            pos += 1
        if blob[pos:pos + 1] == b"#":
            pos = blob.index(b"\n", pos)
            continue
        end = pos
        while not blob[end:end + 1].isspace():
            end += 1
        fields.append(blob[pos:end])
        pos = end
    pos += 1  # the single white-space byte after the maximum value
    assert fields[0] == b"P6" and fields[3] == b"255", fields
    width, height = int(fields[1]), int(fields[2])
    data = blob[pos:pos + width * height * 3]
    return [[tuple(data[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
            for y in range(height)]


def convert(args):
    """Runs convert with the given arguments, writing 8-bit PPM to stdout; returns pixel rows."""
    out = subprocess.run(["convert", *args, "-depth", "8", "ppm:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    return read_ppm(out)
