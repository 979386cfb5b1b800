#!/usr/bin/env python3
"""Builds images/logo.bmp, the splash picture: "Kosmira" over a starry night sky, 480 x 300.

The sky (gradient, a faint band of Milky Way, stars from a fixed random seed) is drawn here;
the lettering is rendered by ImageMagick with Debian's Nanum fonts as grey masks, which are
blended in as a soft glow and the letters themselves."""
import math
import pathlib
import random
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import fetch  # noqa: E402
import raster  # noqa: E402
from bmp import write_bmp24  # noqa: E402

ROOT = fetch.ROOT
OUT = ROOT / "images" / "logo.bmp"
WIDTH, HEIGHT = 480, 300
TITLE = "Kosmira"
SUBTITLE = "천체 관측 프로그램"
TITLE_FONT = raster.NANUM + "NanumSquareB.ttf"
SUBTITLE_FONT = raster.NANUM + "NanumBarunGothic.ttf"
SEED = 1987
STARS = 700


def text_mask(text, font, pixels, dy, blur=0.0):
    args = ["-size", f"{WIDTH}x{HEIGHT}", "xc:black", "-font", font, "-pointsize", str(pixels),
            "-density", "72", "-fill", "white", "-gravity", "Center", "-annotate", f"+0{dy:+d}",
            text]
    if blur:
        args += ["-blur", f"0x{blur}"]
    return [[p[0] / 255.0 for p in row] for row in raster.convert(args)]


def sky():
    """Background: deep blue at the top, lighter towards the horizon, with a diagonal glow."""
    rnd = random.Random(SEED)
    image = []
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        base = (4 + 14 * t ** 2, 6 + 20 * t ** 2, 22 + 38 * t ** 1.5)
        image.append([list(base) for _ in range(WIDTH)])
    # Milky Way: a soft band from lower left to upper right, mottled by random clouds.
    clouds = [(rnd.uniform(-0.5, 1.5), rnd.gauss(0, 0.06), rnd.uniform(0.03, 0.09),
               rnd.uniform(0.2, 1.0)) for _ in range(60)]
    for y in range(HEIGHT):
        for x in range(WIDTH):
            u = (x / WIDTH + (1 - y / HEIGHT)) / 2          # along the band
            v = (x / WIDTH - (1 - y / HEIGHT)) / 2 + 0.08   # across it
            glow = 0.55 * math.exp(-(v / 0.11) ** 2)
            for cu, cv, size, weight in clouds:
                d2 = ((u - cu) / (2.5 * size)) ** 2 + ((v - cv) / size) ** 2
                if d2 < 9:
                    glow += 0.25 * weight * math.exp(-d2)
            px = image[y][x]
            px[0] += 34 * glow
            px[1] += 36 * glow
            px[2] += 52 * glow
    return image, rnd


def add_stars(image, rnd):
    tints = [(1.0, 1.0, 1.0), (0.8, 0.88, 1.0), (1.0, 0.93, 0.8), (1.0, 0.85, 0.7)]
    for _ in range(STARS):
        x, y = rnd.uniform(0, WIDTH), rnd.uniform(0, HEIGHT)
        brightness = min(1.0, 0.12 + rnd.paretovariate(2.2) * 0.12)
        tint = rnd.choice(tints)
        radius = 0.6 + 1.6 * brightness ** 2
        spikes = brightness > 0.75
        reach = int(radius * 3 + (6 if spikes else 0)) + 1
        for yy in range(int(y) - reach, int(y) + reach + 1):
            for xx in range(int(x) - reach, int(x) + reach + 1):
                if not (0 <= xx < WIDTH and 0 <= yy < HEIGHT):
                    continue
                dx, dy = xx + 0.5 - x, yy + 0.5 - y
                light = brightness * math.exp(-(dx * dx + dy * dy) / (2 * (radius / 2) ** 2))
                if spikes:
                    light += 0.35 * brightness * (math.exp(-abs(dy) * 3) * math.exp(-abs(dx) / 4)
                                                  + math.exp(-abs(dx) * 3) * math.exp(-abs(dy) / 4))
                px = image[yy][xx]
                for c in range(3):
                    px[c] += 255 * light * tint[c]


def blend(image, mask, colour, strength=1.0):
    for y in range(HEIGHT):
        for x in range(WIDTH):
            a = mask[y][x] * strength
            if a:
                px = image[y][x]
                for c in range(3):
                    px[c] = px[c] * (1 - a) + colour[c] * a


def main():
    image, rnd = sky()
    add_stars(image, rnd)
    glow = text_mask(TITLE, TITLE_FONT, 84, -18, blur=9)
    title = text_mask(TITLE, TITLE_FONT, 84, -18)
    subtitle = text_mask(SUBTITLE, SUBTITLE_FONT, 22, 52)
    blend(image, glow, (90, 140, 255), 0.85)
    blend(image, title, (250, 248, 240))
    blend(image, subtitle, (200, 214, 240))
    OUT.parent.mkdir(parents=True, exist_ok=True)
    write_bmp24(OUT, WIDTH, HEIGHT,
                lambda x, y: tuple(max(0, min(255, round(c))) for c in image[y][x]))
    print(f"{OUT.relative_to(ROOT)}: {WIDTH} x {HEIGHT}")


if __name__ == "__main__":
    main()
