"""Render the program's moon pictures from the equirectangular albedo map
../shared/data/moon_map.png into resources/moon/ and write resources/moon.qrc.

Pictures written:
- MOON_LARGE, MOON_SMALL, MOON_TINY: the full Moon, 64, 32 and 16 pixels square,
  16 colours of the standard Windows palette, 4 bits a pixel;
- MOON_COLOR_LARGE, MOON_COLOR_SMALL, MOON_COLOR_TINY: the same in up to 256
  colours (median cut), 8 bits a pixel;
- MOON_BW_LARGE, MOON_BW_SMALL, MOON_BW_TINY: 1-bit masks, set outside the disc;
- north_00 .. north_23, south_00 .. south_23: the 16-pixel Moon with its shadow at
  24 steps of the lunation (0 new, 6 first quarter, 12 full, 18 last quarter), with
  transparency outside the disc; the southern pictures are the northern ones turned
  half a turn;
- menu_04 .. menu_07 (new, first quarter, full, last quarter) and the eclipse glyphs
  menu_10 .. menu_14 (solar partial, annular, total; lunar partial, total);
- MOON_MAP: the albedo map itself at half its size (512 x 256, each pixel the mean of
  2 x 2), from which the program draws the Moon at any pixel ratio.

The disc is an orthographic view, north up and east to the right as the Moon is seen
from the northern hemisphere, centred on 4 N 6 E: a moderate libration, which the
Moon often shows, that puts the Apollo 11 site pixel of every size on the southern
part of Mare Tranquillitatis while Mare Crisium stays near the right limb.
A disc of radius R centred on pixel (cx, cy) covers, on row cy + h, the columns
cx - L .. cx + L with L = round(sqrt(R^2 - h^2)), the same pixels the shadow rule
paints, so picture, mask and shadow agree; each pixel is the mean of 8 x 8 samples.
Python's round() rounds halves to even, as the program does.

Usage: python3 tools/moonpictures.py
"""
import math
import os
import struct
import sys
import zlib

from tablegen import DATA, REPO

MAP_PATH = os.path.join(DATA, "moon_map.png")
OUT_DIR = os.path.join(REPO, "resources", "moon")
QRC_PATH = os.path.join(REPO, "resources", "moon.qrc")

# name suffix, square size, disc centre x, y, radius (the component's size table)
SIZES = (("LARGE", 64, 31, 28, 28), ("SMALL", 32, 15, 14, 14), ("TINY", 16, 7, 7, 7))
SUPERSAMPLE = 8
VIEW_LAT, VIEW_LON = 4.0, 6.0  # selenographic point at the disc centre, degrees

# The 16 colours of the standard Windows palette.
VGA16 = ((0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (128, 128, 128), (192, 192, 192), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255))


# ---------------------------------------------------------------- PNG in and out

def read_png_rgb(path):
    """(width, height, rows) of an 8-bit RGB, non-interlaced PNG; rows are bytes."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, head = 8, [], None
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            head = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + n
    w, h, depth, ctype, _, _, interlace = head
    if (depth, ctype, interlace) != (8, 2, 0):
        raise ValueError(f"{path}: expected 8-bit RGB without interlace")
    raw, stride, bpp = zlib.decompress(b"".join(idat)), w * 3, 3
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        prev = line
    return w, h, rows


def _chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(path, w, h, ctype, depth, rows, palette=None):
    """Write rows of samples (lists of ints, already in the colour type's layout)."""
    packed = bytearray()
    for row in rows:
        packed.append(0)
        if depth == 8:
            packed.extend(row)
        else:
            per = 8 // depth
            for i in range(0, len(row), per):
                byte = 0
                for j in range(per):
                    v = row[i + j] if i + j < len(row) else 0
                    byte |= v << (8 - depth * (j + 1))
                packed.append(byte)
    out = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, ctype, 0, 0, 0))
    if palette is not None:
        out += _chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    out += _chunk(b"IDAT", zlib.compress(bytes(packed), 9)) + _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- the disc

class MoonMap:
    def __init__(self, path):
        self.w, self.h, self.rows = read_png_rgb(path)

    def sample(self, lat, lon):
        """Bilinear RGB at latitude and longitude in degrees (east positive)."""
        x = (lon + 180.0) / 360.0 * self.w - 0.5
        y = (90.0 - lat) / 180.0 * self.h - 0.5
        x0, y0 = math.floor(x), math.floor(y)
        fx, fy = x - x0, y - y0
        out = [0.0, 0.0, 0.0]
        for dy, wy in ((0, 1 - fy), (1, fy)):
            row = self.rows[min(max(y0 + dy, 0), self.h - 1)]
            for dx, wx in ((0, 1 - fx), (1, fx)):
                i = ((x0 + dx) % self.w) * 3
                for k in range(3):
                    out[k] += wy * wx * row[i + k]
        return out


def disc_half_width(radius, h):
    return round(math.sqrt(radius * radius - h * h))


def in_disc(x, y, cx, cy, radius):
    h = y - cy
    return abs(h) <= radius and abs(x - cx) <= disc_half_width(radius, abs(h))


def surface_point(u, v):
    """Latitude and longitude in degrees of the disc point (u, v), unit radius,
    u to the right and v up, seen from above (VIEW_LAT, VIEW_LON)."""
    z = math.sqrt(max(0.0, 1.0 - u * u - v * v))
    s, c = math.sin(math.radians(VIEW_LAT)), math.cos(math.radians(VIEW_LAT))
    lat = math.asin(max(-1.0, min(1.0, v * c + z * s)))
    return math.degrees(lat), VIEW_LON + math.degrees(math.atan2(u, z * c - v * s))


def render_disc(moon, size, cx, cy, radius):
    """RGB floats of every pixel (None outside the disc). Every disc pixel's centre
    lies within radius + 0.5 of the disc centre, so each has samples on the Moon."""
    scale = radius + 0.5
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if not in_disc(x, y, cx, cy, radius):
                continue
            acc, n = [0.0, 0.0, 0.0], 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    u = (x - cx + (sx + 0.5) / SUPERSAMPLE - 0.5) / scale
                    v = (cy - y - (sy + 0.5) / SUPERSAMPLE + 0.5) / scale
                    if u * u + v * v > 1.0:
                        continue
                    c = moon.sample(*surface_point(u, v))
                    acc = [a + b for a, b in zip(acc, c)]
                    n += 1
            pixels[y][x] = [a / n for a in acc]
    return pixels


# ---------------------------------------------------------------- colour reduction

def nearest(palette, c):
    return min(range(len(palette)), key=lambda i: sum((p - q) ** 2 for p, q in zip(palette[i], c)))


def luminance(p):
    return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]


def percentile(values, q):
    values = sorted(values)
    return values[min(len(values) - 1, int(q * len(values)))]


def brightened(pixels):
    """The albedo map is dim; scale the disc so its bright highlands come out near
    white, as the full Moon looks in the sky."""
    top = percentile([luminance(p) for row in pixels for p in row if p], 0.99)
    k = 245.0 / top
    return [[None if p is None else [min(255.0, v * k) for v in p] for p in row]
            for row in pixels]


def classic_indexes(pixels):
    """Indexes into the standard 16-colour palette: the disc in grey, silver and
    white, error-diffused so the maria keep their shape."""
    levels = ((7, 128.0), (8, 192.0), (15, 255.0))
    lums = [luminance(p) for row in pixels for p in row if p]
    lo, hi = percentile(lums, 0.02), percentile(lums, 0.98)
    size = len(pixels)
    lum = [[None if p is None else 128.0 + 127.0 * (luminance(p) - lo) / (hi - lo) for p in row]
           for row in pixels]
    out = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            v = lum[y][x]
            if v is None:
                continue
            idx, level = min(levels, key=lambda e: abs(e[1] - v))
            out[y][x] = idx
            for dx, dy, wgt in ((1, 0, 7), (-1, 1, 3), (0, 1, 5), (1, 1, 1)):
                xx, yy = x + dx, y + dy
                if 0 <= xx < size and yy < size and lum[yy][xx] is not None:
                    lum[yy][xx] += (v - level) * wgt / 16
    return out


def median_cut(colours, count):
    """A palette of at most `count` colours for the list of RGB tuples."""
    boxes = [list(colours)]
    while len(boxes) < count:
        best, axis, span = None, 0, -1
        for b in boxes:
            if len(b) < 2:
                continue
            for k in range(3):
                s = max(c[k] for c in b) - min(c[k] for c in b)
                if s > span:
                    best, axis, span = b, k, s
        if best is None or span <= 0:
            break
        best.sort(key=lambda c: c[axis])
        half = len(best) // 2
        boxes.remove(best)
        boxes += [best[:half], best[half:]]
    return [tuple(round(sum(c[k] for c in b) / len(b)) for k in range(3)) for b in boxes if b]


def colour_indexes(pictures):
    """One 256-colour palette (black first) shared by the colour pictures."""
    colours = [tuple(round(v) for v in p) for pix in pictures for row in pix for p in row if p]
    palette = [(0, 0, 0)] + median_cut(colours, 255)
    cache = {}
    out = []
    for pix in pictures:
        rows = []
        for row in pix:
            line = []
            for p in row:
                if p is None:
                    line.append(0)
                    continue
                key = tuple(round(v) for v in p)
                if key not in cache:
                    cache[key] = nearest(palette, key)
                line.append(cache[key])
            rows.append(line)
        out.append(rows)
    return palette, out


# ---------------------------------------------------------------- shadow and glyphs

def shadow_pixels(cx, cy, radius, angle):
    """Pixels the component darkens for a phase angle in [0, 360): the shadow on the
    left below 180 degrees, on the right from 180 on; each row runs from the
    terminator to the limb. Computed in double precision: where the terminator
    falls on a half pixel the program's extended precision may round it the other
    way, a difference of one pixel."""
    g = math.cos(math.radians(angle))
    out = set()
    for h in range(radius + 1):
        l = math.sqrt(radius * radius - h * h)
        big, t = round(l), round(g * l)
        xs = range(cx - big, cx - t + 1) if angle < 180 else range(cx + t, cx + big + 1)
        for x in xs:
            out.add((x, cy + h))
            out.add((x, cy - h))
    return out


def phase_angle_of_step(k):
    """Phase angle of lunation step k of 24 (0 new, 6 first quarter, 12 full)."""
    return 180.0 - 15.0 * k if k <= 12 else 540.0 - 15.0 * k


def rgba_phase_picture(pixels, cx, cy, radius, angle):
    size = len(pixels)
    dark = shadow_pixels(cx, cy, radius, angle)
    rows = []
    for y in range(size):
        line = []
        for x in range(size):
            p = pixels[y][x]
            if p is None:
                line += [0, 0, 0, 0]
            elif (x, y) in dark:
                line += [0, 0, 0, 255]
            else:
                line += [round(v) for v in p] + [255]
        rows.append(line)
    return rows


def turn_half(rows):
    return [sum((r[i:i + 4] for i in range(len(r) - 4, -4, -4)), []) for r in reversed(rows)]


def solar_glyph(size, offset, moon_radius, corona):
    """The Sun (a yellow disc of radius 6 at the centre) with the dark Moon of the
    given radius, `offset` pixels to the right and up; `corona` pales the Sun's rim
    and adds a bluish ring. Each pixel is the mean of 4 x 4 samples."""
    c = (size - 1) / 2.0
    rows = []
    for y in range(size):
        line = []
        for x in range(size):
            sub = 0
            col = [0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    u, v = x + (sx + 0.5) / 4 - 0.5 - c, y + (sy + 0.5) / 4 - 0.5 - c
                    du, dv = u - offset, v + offset
                    if du * du + dv * dv <= moon_radius ** 2:
                        rgb = (24, 24, 40)
                    elif u * u + v * v <= 6.0 ** 2:
                        rgb = (255, 214, 40) if not corona else (255, 250, 220)
                    elif corona and u * u + v * v <= 7.6 ** 2:
                        rgb = (200, 210, 255)
                    else:
                        continue
                    col = [a + b for a, b in zip(col, rgb)]
                    sub += 1
            if sub == 0:
                line += [0, 0, 0, 0]
            else:
                line += [round(a / sub) for a in col] + [round(255 * sub / 16)]
        rows.append(line)
    return rows


def lunar_glyph(pixels, cx, cy, radius, umbra_dx):
    """The full Moon with the Earth's umbra tinted copper: a circle of 1.4 disc radii
    centred umbra_dx disc radii right of the disc's centre (negative: left)."""
    rows = []
    size = len(pixels)
    for y in range(size):
        line = []
        for x in range(size):
            p = pixels[y][x]
            if p is None:
                line += [0, 0, 0, 0]
                continue
            u, v = (x - cx) / (radius + 0.5) - umbra_dx, (y - cy) / (radius + 0.5)
            if u * u + v * v <= 1.4 ** 2:
                lum = luminance(p) / 255
                p = (60 + 120 * lum, 22 + 40 * lum, 10 + 20 * lum)
            line += [round(t) for t in p] + [255]
        rows.append(line)
    return rows


# ---------------------------------------------------------------- main

def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    moon = MoonMap(MAP_PATH)
    discs = {name: brightened(render_disc(moon, size, cx, cy, r)) for name, size, cx, cy, r in SIZES}
    palette, colour = colour_indexes([discs[name] for name, *_ in SIZES])
    files = []

    def out(name, *args, **kw):
        write_png(os.path.join(OUT_DIR, name + ".png"), *args, **kw)
        files.append(name)

    for (name, size, cx, cy, r), indexed in zip(SIZES, colour):
        pix = discs[name]
        out("MOON_" + name, size, size, 3, 4, classic_indexes(pix), palette=VGA16)
        out("MOON_COLOR_" + name, size, size, 3, 8, indexed, palette=palette)
        mask = [[0 if pix[y][x] else 1 for x in range(size)] for y in range(size)]
        out("MOON_BW_" + name, size, size, 0, 1, mask)

    _, size, cx, cy, r = SIZES[2]
    tiny = discs["TINY"]
    for k in range(24):
        north = rgba_phase_picture(tiny, cx, cy, r, phase_angle_of_step(k))
        out(f"north_{k:02d}", size, size, 6, 8, north)
        out(f"south_{k:02d}", size, size, 6, 8, turn_half(north))
    for index, step in ((4, 0), (5, 6), (6, 12), (7, 18)):
        out(f"menu_{index:02d}", size, size, 6, 8,
            rgba_phase_picture(tiny, cx, cy, r, phase_angle_of_step(step)))
    out("menu_10", size, size, 6, 8, solar_glyph(size, 2.6, 5.2, False))
    out("menu_11", size, size, 6, 8, solar_glyph(size, 0.0, 4.6, False))
    out("menu_12", size, size, 6, 8, solar_glyph(size, 0.0, 6.1, True))
    out("menu_13", size, size, 6, 8, lunar_glyph(tiny, cx, cy, r, -1.45))
    out("menu_14", size, size, 6, 8, lunar_glyph(tiny, cx, cy, r, 0.0))

    half = [[round(sum(moon.rows[2 * y + dy][3 * (2 * x + dx) + k] for dy in (0, 1) for dx in (0, 1)) / 4)
             for x in range(moon.w // 2) for k in range(3)] for y in range(moon.h // 2)]
    out("MOON_MAP", moon.w // 2, moon.h // 2, 2, 8, half)

    with open(QRC_PATH, "w", newline="\n") as f:
        f.write("<!-- Generated by tools/moonpictures.py from moon_map.png; do not edit. -->\n")
        f.write("<RCC>\n  <qresource prefix=\"/moon\">\n")
        for name in files:
            f.write(f"    <file alias=\"{name}\">moon/{name}.png</file>\n")
        f.write("  </qresource>\n</RCC>\n")
    print(f"wrote {len(files)} pictures and resources/moon.qrc", file=sys.stderr)


if __name__ == "__main__":
    main()
