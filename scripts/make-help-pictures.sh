#!/usr/bin/env bash
# Draws the pictures of the help pages into data/sys/help/ (PNG, made from
# nothing but the shapes below, with Python's standard library).
# Run from anywhere: scripts/make-help-pictures.sh [output folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../data/sys/help}"
mkdir -p "$out"
python3 - "$out" <<'PY'
import math, struct, sys, zlib

SS = 4  # supersampling factor: shapes are drawn this much finer, then averaged


class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.W, self.H = w * SS, h * SS
        self.rows = [bytearray(bytes(bg) * self.W) for _ in range(self.H)]

    # -- filling spans on the fine grid -------------------------------------
    def _span(self, y, xa, xb, c):
        x0 = max(0, int(math.ceil(xa - 0.5)))
        x1 = min(self.W, int(math.floor(xb - 0.5)) + 1)
        if x1 > x0:
            self.rows[y][x0 * 3:x1 * 3] = bytes(c) * (x1 - x0)

    def polygon(self, pts, c):
        p = [(x * SS, y * SS) for x, y in pts]
        ys = [q[1] for q in p]
        for y in range(max(0, int(min(ys))), min(self.H, int(max(ys)) + 1)):
            yc = y + 0.5
            xs = []
            for (x1, y1), (x2, y2) in zip(p, p[1:] + p[:1]):
                if (y1 <= yc < y2) or (y2 <= yc < y1):
                    xs.append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self._span(y, a, b, c)

    def ellipse(self, cx, cy, rx, ry, c):
        cx, cy, rx, ry = cx * SS, cy * SS, rx * SS, ry * SS
        for y in range(max(0, int(cy - ry)), min(self.H, int(cy + ry) + 1)):
            d = 1 - ((y + 0.5 - cy) / ry) ** 2
            if d > 0:
                hw = rx * math.sqrt(d)
                self._span(y, cx - hw, cx + hw, c)

    def circle(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def rect(self, x0, y0, x1, y1, c):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], c)

    def rrect(self, x0, y0, x1, y1, r, c):
        pts = []
        for cx, cy, a0 in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
                           (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
            for k in range(7):
                a = math.radians(a0 + k * 15)
                pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.polygon(pts, c)

    def frame(self, x0, y0, x1, y1, r, border, fill, t=1.0):
        self.rrect(x0, y0, x1, y1, r, border)
        self.rrect(x0 + t, y0 + t, x1 - t, y1 - t, max(0.5, r - t), fill)

    def line(self, x1, y1, x2, y2, t, c):
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy) or 1.0
        ox, oy = -dy / n * t / 2, dx / n * t / 2
        self.polygon([(x1 + ox, y1 + oy), (x2 + ox, y2 + oy),
                      (x2 - ox, y2 - oy), (x1 - ox, y1 - oy)], c)
        self.circle(x1, y1, t / 2, c)
        self.circle(x2, y2, t / 2, c)

    def polyline(self, pts, t, c):
        for a, b in zip(pts, pts[1:]):
            self.line(a[0], a[1], b[0], b[1], t, c)

    # -- output ---------------------------------------------------------------
    def save(self, path):
        raw = bytearray()
        n = SS * SS
        for oy in range(self.h):
            raw.append(0)
            band = self.rows[oy * SS:(oy + 1) * SS]
            for ox in range(self.w):
                s0 = ox * SS * 3
                r = g = b = 0
                for row in band:
                    seg = row[s0:s0 + SS * 3]
                    r += sum(seg[0::3]); g += sum(seg[1::3]); b += sum(seg[2::3])
                raw += bytes(((r + n // 2) // n, (g + n // 2) // n, (b + n // 2) // n))

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

        png = b'\x89PNG\r\n\x1a\n'
        png += chunk(b'IHDR', struct.pack('>IIBBBBB', self.w, self.h, 8, 2, 0, 0, 0))
        png += chunk(b'IDAT', zlib.compress(bytes(raw), 9))
        png += chunk(b'IEND', b'')
        with open(path, 'wb') as f:
            f.write(png)


# A stroke font on a grid 4 wide and 6 high (y grows downwards). Each glyph is
# a list of polylines; a polyline of one point is a dot.
GLYPHS = {
    '0': [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    '1': [[(0.8, 1.2), (2.2, 0), (2.2, 6)]],
    '2': [[(0, 1.2), (1, 0), (3, 0), (4, 1), (4, 2.2), (0, 6), (4.2, 6)]],
    '3': [[(0.2, 0), (4, 0), (2, 2.6), (3, 2.6), (4, 3.6), (4, 5), (3, 6), (1, 6), (0, 5)]],
    '4': [[(3, 6), (3, 0), (0, 4.2), (4.3, 4.2)]],
    '5': [[(4, 0), (0.3, 0), (0, 2.6), (3, 2.6), (4, 3.6), (4, 5), (3, 6), (0, 6)]],
    '6': [[(3.5, 0), (1.8, 0), (0, 2.2), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.6), (3, 2.7), (1, 2.7), (0, 3.6)]],
    '7': [[(0, 0), (4, 0), (1.4, 6)]],
    '8': [[(2, 2.8), (0.8, 2.8), (0.2, 2.2), (0.2, 0.8), (1, 0), (3, 0), (3.8, 0.8), (3.8, 2.2),
           (3.2, 2.8), (0.8, 2.8), (0, 3.7), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.7), (3.2, 2.8)]],
    '9': [[(4, 2.4), (3, 3.3), (1, 3.3), (0, 2.4), (0, 1), (1, 0), (3, 0), (4, 1), (4, 3.8), (2.2, 6), (0.5, 6)]],
    'x': [[(0.6, 2.4), (3.4, 5.8)], [(3.4, 2.4), (0.6, 5.8)]],
    '=': [[(0.2, 2.9), (3.8, 2.9)], [(0.2, 4.7), (3.8, 4.7)]],
    '/': [[(0.2, 3.8), (3.8, 3.8)], [(2, 2.2)], [(2, 5.4)]],   # the division sign
    '?': [[(0.3, 1.3), (1.3, 0), (2.8, 0), (3.9, 1), (3.9, 2), (2, 3.6), (2, 4.3)], [(2, 6)]],
    'N': [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    'u': [[(0, 2), (0, 5), (1, 6), (3, 6), (4, 5)], [(4, 2), (4, 6)]],
    'm': [[(0, 6), (0, 2)], [(0, 3.2), (1, 2), (2, 3), (2, 6)], [(2, 3), (3, 2), (4, 3.2), (4, 6)]],
    'e': [[(0.2, 4), (4, 4), (4, 3), (3, 2), (1, 2), (0, 3), (0, 5), (1, 6), (3.6, 6)]],
    'r': [[(0, 6), (0, 2)], [(0, 3.6), (1.6, 2), (3.2, 2)]],
    'i': [[(1, 2.4), (1, 6)], [(1, 0.6)]],
    'l': [[(1, 0), (1, 5), (1.8, 6)]],
    'o': [[(1, 2), (3, 2), (4, 3), (4, 5), (3, 6), (1, 6), (0, 5), (0, 3), (1, 2)]],
    ' ': [],
}
ADVANCE = {'1': 4.4, 'i': 2.6, 'l': 2.8, 'r': 4.4, ' ': 3.0, 'x': 4.6, '=': 4.8, '/': 4.8}


def text_width(s, unit):
    return sum(ADVANCE.get(ch, 5.6) for ch in s) * unit - 1.6 * unit


def text(cv, s, x, y, unit, t, colours):
    """Draws s with its top-left at (x, y); a glyph is 4 units wide and 6 high."""
    for k, ch in enumerate(s):
        c = colours[k % len(colours)]
        for stroke in GLYPHS[ch]:
            pts = [(x + px * unit, y + py * unit) for px, py in stroke]
            if len(pts) == 1:
                cv.circle(pts[0][0], pts[0][1], t * 0.7, c)
            else:
                cv.polyline(pts, t, c)
        x += ADVANCE.get(ch, 5.6) * unit


def centred(cv, s, cx, cy, unit, t, colours):
    text(cv, s, cx - text_width(s, unit) / 2, cy - 3 * unit, unit, t, colours)


WHITE = (255, 255, 255); BLACK = (0, 0, 0); INK = (40, 40, 48)
KEYPAD = (135, 127, 0)          # the drill's keypad colour as delivered
GREEN = (0, 128, 0); RED = (255, 0, 0); SILVER = (192, 192, 192)
KEY = (236, 236, 230); KEY_EDGE = (90, 90, 80)


def tick(cv, x, y, s, t, c):
    cv.polyline([(x, y + s * 0.55), (x + s * 0.38, y + s * 0.9), (x + s, y + s * 0.1)], t, c)


def waste_bin(cv, cx, cy):
    grey = (96, 104, 120)
    cv.rect(cx - 8, cy - 8, cx + 8, cy - 6, grey)           # lid
    cv.rect(cx - 3, cy - 10.5, cx + 3, cy - 8, grey)        # handle
    cv.polygon([(cx - 7, cy - 5), (cx + 7, cy - 5), (cx + 5.5, cy + 9), (cx - 5.5, cy + 9)], grey)
    for dx in (-3, 0, 3):
        cv.line(cx + dx, cy - 2.5, cx + dx * 0.8, cy + 6.5, 1.1, (200, 206, 220))


def camera(cv, cx, cy):
    body = (50, 50, 60)
    cv.rrect(cx - 5, cy - 8, cx + 3, cy - 4, 1.2, body)      # viewfinder bump
    cv.rrect(cx - 11, cy - 5, cx + 11, cy + 8, 2.5, body)
    cv.circle(cx + 1, cy + 1.5, 5.2, (200, 200, 210))
    cv.circle(cx + 1, cy + 1.5, 3.4, (40, 90, 170))
    cv.circle(cx - 7.5, cy - 2, 1.2, (240, 60, 40))          # red recording light


def ambulance(cv, cx, cy):
    cv.polygon([(cx - 13, cy - 6), (cx + 5, cy - 6), (cx + 8, cy - 1), (cx + 13, cy + 1),
                (cx + 13, cy + 6), (cx - 13, cy + 6)], (120, 120, 120))
    cv.polygon([(cx - 12, cy - 5), (cx + 4.5, cy - 5), (cx + 7.5, cy), (cx + 12, cy + 1.8),
                (cx + 12, cy + 5), (cx - 12, cy + 5)], WHITE)
    cv.polygon([(cx + 5, cy - 4), (cx + 7, cy - 0.5), (cx + 5, cy - 0.5)], (120, 180, 230))  # window
    cv.rect(cx - 6.5, cy - 3, cx - 3.5, cy + 4, RED)          # red cross
    cv.rect(cx - 8.5, cy - 1, cx - 1.5, cy + 2, RED)
    cv.rect(cx - 2, cy - 8.5, cx + 1, cy - 6, (40, 110, 230))  # blue light
    for wx in (cx - 7, cx + 7):
        cv.circle(wx, cy + 6.5, 3, BLACK)
        cv.circle(wx, cy + 6.5, 1.2, SILVER)


def key(cv, x, y, w, h):
    cv.frame(x, y, x + w, y + h, 4, KEY_EDGE, KEY)


def make_keypad(path):
    W, H = 180, 246
    cv = Canvas(W, H, WHITE)
    cv.frame(1, 1, W - 1, H - 1, 6, (80, 74, 0), KEYPAD, 1.5)
    # the question line: 3 x 7 = [21]
    cv.frame(10, 10, W - 10, 48, 4, (80, 74, 0), (250, 250, 240))
    text(cv, '3 x 7 =', 20, 20, 3, 2.2, [INK])
    cv.frame(112, 15, W - 16, 43, 2, (60, 60, 60), WHITE)
    centred(cv, '21', (112 + W - 16) / 2, 29, 3, 2.2, [INK])
    kw, kh, gap, x0, y0 = 48, 30, 6, 12, 58
    labels = ['789', '456', '123']
    for r, row in enumerate(labels):
        for c, ch in enumerate(row):
            x, y = x0 + c * (kw + gap), y0 + r * (kh + gap)
            key(cv, x, y, kw, kh)
            centred(cv, ch, x + kw / 2, y + kh / 2, 2.6, 2.0, [INK])
    y = y0 + 3 * (kh + gap)
    key(cv, x0, y, kw, kh)
    centred(cv, '0', x0 + kw / 2, y + kh / 2, 2.6, 2.0, [INK])
    ex = x0 + kw + gap
    key(cv, ex, y, 2 * kw + gap, kh)
    tick(cv, ex + kw + gap / 2 - 10, y + 6, 20, 3.2, GREEN)
    y += kh + gap
    for c, draw in enumerate((waste_bin, camera, ambulance)):
        x = x0 + c * (kw + gap)
        key(cv, x, y, kw, kh)
        draw(cv, x + kw / 2, y + kh / 2)
    cv.save(path)


def make_tables(path):
    W, H = 190, 150
    cv = Canvas(W, H, WHITE)
    cv.frame(1, 1, W - 1, H - 1, 5, (150, 150, 160), (240, 240, 236))
    ticked = {2, 5, 7, 10}
    for n in range(1, 13):
        col, row = (n - 1) // 6, (n - 1) % 6
        x, y = 18 + col * 88, 12 + row * 22
        cv.frame(x, y, x + 14, y + 14, 1.5, (110, 110, 120), WHITE)
        if n in ticked:
            tick(cv, x + 2.5, y + 2.5, 9, 2.0, INK)
        text(cv, str(n), x + 24, y + 1.5, 2.0, 1.7, [INK])
    cv.line(176, 12, 176, 138, 1.2, (150, 150, 160))
    cv.save(path)


def make_result(path):
    W, H = 220, 70
    cv = Canvas(W, H, WHITE)
    for k, (s, c) in enumerate((('3 x 7 = 21', GREEN), ('56 / 8 = 7', RED))):
        y = 3 + k * 34
        cv.frame(2, y, W - 2, y + 30, 3, (140, 140, 140), (250, 250, 250))
        centred(cv, s, W / 2, y + 15, 2.9, 2.3, [c])
    cv.save(path)


def make_gauge(path):
    W, H = 120, 150
    cv = Canvas(W, H, WHITE)
    # a stopwatch
    cx, cy, r = 42, 82, 34
    cv.rect(cx - 6, cy - r - 12, cx + 6, cy - r - 4, (90, 90, 100))
    cv.line(cx + 24, cy - 30, cx + 30, cy - 36, 4, (90, 90, 100))
    cv.circle(cx, cy, r, (90, 90, 100))
    cv.circle(cx, cy, r - 5, WHITE)
    for k in range(12):
        a = math.radians(k * 30)
        cv.line(cx + (r - 10) * math.sin(a), cy - (r - 10) * math.cos(a),
                cx + (r - 7) * math.sin(a), cy - (r - 7) * math.cos(a), 1.6, INK)
    cv.polygon([(cx, cy), (cx, cy - r + 5)] + [(cx + (r - 5) * math.sin(math.radians(a)),
               cy - (r - 5) * math.cos(math.radians(a))) for a in range(0, 121, 10)], (255, 220, 140))
    cv.line(cx, cy, cx + 20 * math.sin(math.radians(120)), cy - 20 * math.cos(math.radians(120)), 2.5, RED)
    cv.circle(cx, cy, 3, INK)
    # the gauge, two thirds full
    gx0, gx1, gy0, gy1 = 94, 112, 14, 140
    cv.rect(gx0 - 2, gy0 - 2, gx1 + 2, gy1 + 2, (90, 90, 100))
    cv.rect(gx0, gy0, gx1, gy1, SILVER)
    cv.rect(gx0, gy0 + (gy1 - gy0) / 3, gx1, gy1, KEYPAD)
    cv.save(path)


def make_topbar(path):
    W, H = 250, 44
    cv = Canvas(W, H, (222, 232, 248))
    for k in range(5):
        x = 4 + k * 49
        cv.frame(x, 4, x + 44, 40, 4, (110, 120, 140), (246, 246, 246))
        cx, cy = x + 22, 22
        if k == 0:      # back: a red arrow to the left
            cv.polygon([(cx - 13, cy), (cx - 2, cy - 10), (cx - 2, cy - 4), (cx + 12, cy - 4),
                        (cx + 12, cy + 4), (cx - 2, cy + 4), (cx - 2, cy + 10)], (210, 30, 30))
        elif k == 1:    # expert: a light bulb
            cv.circle(cx, cy - 3, 9, (250, 210, 40))
            cv.polygon([(cx - 5, cy + 3), (cx + 5, cy + 3), (cx + 4, cy + 9), (cx - 4, cy + 9)], (250, 210, 40))
            cv.rect(cx - 4, cy + 9, cx + 4, cy + 14, (130, 130, 130))
            cv.line(cx - 3, cy - 4, cx, cy + 1, 1.2, (200, 140, 0))
            cv.line(cx + 3, cy - 4, cx, cy + 1, 1.2, (200, 140, 0))
        elif k == 2:    # sound: a loudspeaker with waves
            cv.polygon([(cx - 12, cy - 4), (cx - 6, cy - 4), (cx + 1, cy - 11), (cx + 1, cy + 11),
                        (cx - 6, cy + 4), (cx - 12, cy + 4)], (60, 60, 70))
            for rr in (6, 11):
                pts = [(cx + 3 + rr * math.cos(math.radians(a)), cy + rr * math.sin(math.radians(a)))
                       for a in range(-50, 51, 10)]
                cv.polyline(pts, 1.8, (60, 60, 70))
        elif k == 3:    # screen: a monitor
            cv.rrect(cx - 14, cy - 12, cx + 14, cy + 8, 2, (60, 60, 70))
            cv.rect(cx - 11, cy - 9, cx + 11, cy + 5, (90, 160, 230))
            cv.rect(cx - 3, cy + 8, cx + 3, cy + 12, (60, 60, 70))
            cv.rect(cx - 9, cy + 12, cx + 9, cy + 14, (60, 60, 70))
        else:           # help: a question mark
            cv.circle(cx, cy, 13, (40, 110, 210))
            centred(cv, '?', cx, cy, 2.6, 2.6, [WHITE])
    cv.save(path)


def make_logo(path):
    W, H = 200, 56
    cv = Canvas(W, H, WHITE)
    cv.rrect(2, 4, 46, 52, 9, (255, 200, 60))
    centred(cv, '7', 12.5, 20, 1.9, 2.0, [(150, 60, 0)])
    centred(cv, 'x', 24, 21, 1.9, 2.0, [(150, 60, 0)])
    centred(cv, '8', 35.5, 20, 1.9, 2.0, [(150, 60, 0)])
    centred(cv, '56', 24, 39, 2.4, 2.4, [(150, 60, 0)])
    colours = [(200, 70, 0), (40, 130, 40), (30, 90, 200), (200, 40, 120)]
    text(cv, 'Numerillo', 58, 17, 3.4, 2.8, colours)
    cv.save(path)


out = sys.argv[1]
for name, make in (('keypad', make_keypad), ('tables', make_tables), ('result', make_result),
                   ('gauge', make_gauge), ('topbar', make_topbar), ('logo', make_logo)):
    make(f'{out}/{name}.png')
    print(f'{out}/{name}.png')
PY
