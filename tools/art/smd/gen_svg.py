#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources of the SMD pictures of Kondrix.

Usage: gen_svg.py OUTDIR BASES.tsv PACKAGES.txt

- inner circuit of every base type (BASES.tsv: base<TAB>class): one drawing
  per circuit class, captioned with the base type -> belso_<n>.svg
- every package named (PACKAGES.txt) -> tok_<n>.svg, drawn from a small
  table of package shapes (the transistor artwork's 3D helper does the
  shading); a package without a shape gets a plain outline with its name
- the three fixed illustrations of the passive code window -> rc_*.svg
A list of (svg, target name, width, height) goes to OUTDIR/list.tsv.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "transistor"))
import gen_svg as T  # noqa: E402  (the transistor artwork's scene helpers)

FONT = T.FONT
INK = "#16181c"
LINE = "#111111"
W, H = 300, 280          # inner circuit pictures


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def svg(w, h, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<rect width="%d" height="%d" fill="#ffffff"/>\n%s\n</svg>\n' % (w, h, w, h, w, h, body))


def line(*pts, sw=3.5):
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            % (" ".join("%.1f,%.1f" % p for p in pts), LINE, sw))


def poly(pts, fill=LINE, sw=2):
    return ('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            % (" ".join("%.1f,%.1f" % p for p in pts), fill, LINE, sw))


def text(x, y, s, size=20, anchor="middle", weight="bold", fill=INK):
    return ('<text x="%.1f" y="%.1f" font-family="%s" font-size="%s" font-weight="%s" fill="%s" '
            'text-anchor="%s">%s</text>' % (x, y, FONT, size, weight, fill, anchor, esc(s)))


def dot(x, y, r=4.5):
    return '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (x, y, r, LINE)


def g(x, y, angle, parts):
    return '<g transform="translate(%.1f %.1f) rotate(%.1f)">%s</g>' % (x, y, angle, "".join(parts))


def arrow(x0, y0, x1, y1, size=13):
    """Filled arrow head with its tip at (x1, y1), pointing from (x0, y0)."""
    L = math.hypot(x1 - x0, y1 - y0) or 1
    ux, uy = (x1 - x0) / L, (y1 - y0) / L
    bx, by = x1 - ux * size, y1 - uy * size
    nx, ny = -uy * size * 0.45, ux * size * 0.45
    return poly([(x1, y1), (bx + nx, by + ny), (bx - nx, by - ny)])


# ------------------------------------------------------------ symbols ---
def diode(x1, y1, x2, y2, kind="diode", size=18):
    """Anode at (x1, y1), cathode at (x2, y2); the symbol sits in the middle."""
    L = math.hypot(x2 - x1, y2 - y1)
    ang = math.degrees(math.atan2(y2 - y1, x2 - x1))
    s = size
    half = L / 2
    parts = [line((-half, 0), (-s * 0.8, 0)), line((s * 0.8, 0), (half, 0)),
             poly([(-s * 0.8, -s), (-s * 0.8, s), (s * 0.8, 0)])]
    bar = [(s * 0.8, -s), (s * 0.8, s)]
    if kind == "schottky":
        q = s * 0.35
        parts.append(line((s * 0.8 + q, -s + q), (s * 0.8 + q, -s), *bar, (s * 0.8 - q, s),
                          (s * 0.8 - q, s - q)))
    elif kind == "zener":
        q = s * 0.35
        parts.append(line((s * 0.8 - q, -s - q * 0.6), *bar, (s * 0.8 + q, s + q * 0.6)))
    elif kind == "varicap":
        parts.append(line(*bar))
        parts.append(line((s * 0.8 + 9, -s), (s * 0.8 + 9, s)))
    else:
        parts.append(line(*bar))
    return g((x1 + x2) / 2, (y1 + y2) / 2, ang, parts)


def resistor(x1, y1, x2, y2, length=44, width=15):
    L = math.hypot(x2 - x1, y2 - y1)
    ang = math.degrees(math.atan2(y2 - y1, x2 - x1))
    h = L / 2
    parts = [line((-h, 0), (-length / 2, 0)), line((length / 2, 0), (h, 0)),
             '<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#ffffff" stroke="%s" '
             'stroke-width="3.5"/>' % (-length / 2, -width / 2, length, width, LINE)]
    return g((x1 + x2) / 2, (y1 + y2) / 2, ang, parts)


def bjt(bx, by, pnp, scale=1.0, circle=True):
    """Base bar at (bx, by). Returns (svg, collector end, emitter end)."""
    k = scale
    cx, cy = bx + 26 * k, by
    out = []
    if circle:
        out.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#f3f6fa" stroke="%s" stroke-width="3"/>'
                   % (cx, cy, 44 * k, LINE))
    out.append(line((bx, by - 24 * k), (bx, by + 24 * k), sw=7))
    c_end = (bx + 38 * k, by - 44 * k)
    e_end = (bx + 38 * k, by + 44 * k)
    out.append(line((bx + 1, by - 10 * k), (bx + 38 * k, by - 30 * k), c_end))
    out.append(line((bx + 1, by + 10 * k), (bx + 38 * k, by + 30 * k), e_end))
    if pnp:
        out.append(arrow(bx + 38 * k, by + 30 * k, bx + 8 * k, by + 14 * k))
    else:
        out.append(arrow(bx + 1, by + 10 * k, bx + 34 * k, by + 28 * k))
    return "".join(out), c_end, e_end


def mosfet(gx, gy, pch):
    out = [line((gx - 50, gy + 22), (gx, gy + 22), (gx, gy - 22))]
    ch = gx + 11
    for y0 in (-26, -7, 12):
        out.append(line((ch, gy + y0), (ch, gy + y0 + 14), sw=6))
    d, s = (gx + 50, gy - 60), (gx + 50, gy + 60)
    out.append(line((ch, gy - 19), (gx + 50, gy - 19), d))
    out.append(line((ch, gy + 19), (gx + 50, gy + 19), s))
    out.append(line((ch, gy), (gx + 50, gy), (gx + 50, gy + 19)))
    out.append(arrow(gx + 46, gy, ch + 3, gy) if not pch else arrow(ch + 3, gy, gx + 46, gy))
    out.append(dot(gx + 50, gy + 19))
    out.append(text(gx - 56, gy + 30, "G", anchor="end"))
    out.append(text(gx + 60, d[1] + 4, "D", anchor="start"))
    out.append(text(gx + 60, s[1] + 4, "S", anchor="start"))
    return "".join(out)


def jfet(gx, gy, pch):
    ch = gx + 40
    out = [line((ch, gy - 30), (ch, gy + 30), sw=6),
           line((gx - 40, gy + 18), (ch, gy + 18)),
           line((ch, gy - 20), (ch + 40, gy - 20), (ch + 40, gy - 60)),
           line((ch, gy + 20), (ch + 40, gy + 20), (ch + 40, gy + 60))]
    out.append(arrow(gx, gy + 18, ch - 2, gy + 18) if not pch else arrow(ch - 2, gy + 18, gx + 6, gy + 18))
    out.append(text(gx - 46, gy + 25, "G", anchor="end"))
    out.append(text(ch + 50, gy - 52, "D", anchor="start"))
    out.append(text(ch + 50, gy + 66, "S", anchor="start"))
    return "".join(out)


def box(x, y, w, h, pins, title=""):
    out = ['<rect x="%d" y="%d" width="%d" height="%d" rx="6" fill="#f3f6fa" stroke="%s" stroke-width="3.5"/>'
           % (x, y, w, h, LINE)]
    for (px, py, qx, qy, lab, lx, ly, anchor) in pins:
        out.append(line((px, py), (qx, qy)))
        out.append(text(lx, ly, lab, size=17, anchor=anchor))
    if title:
        out.append(text(x + w / 2, y + h / 2 + 7, title, size=18, weight="normal"))
    return "".join(out)


# --------------------------------------------------------- the classes ---
def single_bjt(pnp):
    s, c, e = bjt(118, 120, pnp)
    return "".join([s, line((50, 120), (118, 120)), line(c, (c[0], 34)), line(e, (e[0], 206)),
                    text(40, 127, "B", anchor="end"), text(c[0] + 12, 44, "C", anchor="start"),
                    text(e[0] + 12, 206, "E", anchor="start")])


def dual_bjt(pnp1, pnp2):
    out = []
    for i, pnp in enumerate((pnp1, pnp2)):
        bx = 62 + i * 146
        s, c, e = bjt(bx, 120, pnp, 0.82)
        out += [s, line((bx - 42, 120), (bx, 120)), line(c, (c[0], 48)), line(e, (e[0], 192)),
                text(bx - 24, 112, "B%d" % (i + 1), size=16),
                text(c[0] + 8, 56, "C%d" % (i + 1), size=16, anchor="start"),
                text(e[0] + 8, 194, "E%d" % (i + 1), size=16, anchor="start")]
    return "".join(out)


def bias_bjt(pnp):
    s, c, e = bjt(170, 120, pnp, circle=True)
    return "".join([s, resistor(36, 120, 118, 120), line((118, 120), (170, 120)), dot(118, 120),
                    resistor(118, 120, 118, 206), line((118, 206), (e[0], 206)), line(e, (e[0], 206)),
                    dot(e[0], 206), line((e[0], 206), (e[0], 226)), line(c, (c[0], 34)),
                    text(78, 108, "R1", size=15), text(104, 168, "R2", size=15, anchor="end"),
                    text(30, 127, "B", anchor="end"), text(c[0] + 12, 44, "C", anchor="start"),
                    text(e[0] + 12, 230, "E", anchor="start")])


def darlington(pnp):
    s1, c1, e1 = bjt(70, 96, pnp, 0.72, circle=False)
    s2, c2, e2 = bjt(150, 150, pnp, 0.9, circle=False)
    return "".join(['<rect x="52" y="34" width="170" height="176" rx="80" fill="#f3f6fa" stroke="%s" '
                    'stroke-width="3"/>' % LINE,
                    s1, s2, line((24, 96), (70, 96)), line(e1, (e1[0], 150), (150, 150)),
                    line(c1, (c1[0], 48), (c2[0], 48)), line(c2, (c2[0], 26)), dot(c2[0], 48),
                    line(e2, (e2[0], 226)),
                    text(18, 103, "B", anchor="end"), text(c2[0] + 12, 34, "C", anchor="start"),
                    text(e2[0] + 12, 228, "E", anchor="start")])


def single_diode(kind):
    return "".join([diode(40, 120, 260, 120, kind, 24), text(40, 94, "A"), text(260, 94, "K")])


def series_pair(kind):
    x = 150
    return "".join([diode(x, 216, x, 124, kind), diode(x, 116, x, 24, kind), line((x, 120), (240, 120)),
                    dot(x, 120), text(x + 16, 222, "A", anchor="start"), text(x + 16, 30, "K", anchor="start"),
                    text(254, 127, "K/A", size=17, anchor="start")])


def common_pair(kind, cathode):
    """Two diodes meeting in the middle at their cathodes (or anodes)."""
    a, b = (40, 90), (260, 90)
    m = (150, 90)
    if cathode:
        parts = [diode(a[0], a[1], m[0], m[1], kind), diode(b[0], b[1], m[0], m[1], kind)]
        ends, mid = "A", "K"
    else:
        parts = [diode(m[0], m[1], a[0], a[1], kind), diode(m[0], m[1], b[0], b[1], kind)]
        ends, mid = "K", "A"
    return "".join(parts + [line(m, (m[0], 190)), dot(*m), text(a[0], 66, ends + "1"), text(b[0], 66, ends + "2"),
                            text(m[0], 216, mid + " (közös)", size=18)])


def independent_pair(kind):
    return "".join([diode(50, 70, 250, 70, kind), diode(50, 170, 250, 170, kind),
                    text(50, 48, "A1"), text(250, 48, "K1"), text(50, 148, "A2"), text(250, 148, "K2")])


def back_to_back(kind):
    """Two-terminal bidirectional part: the diodes meet at their cathodes, no middle lead."""
    return "".join([diode(40, 120, 150, 120, kind, 20), diode(260, 120, 150, 120, kind, 20),
                    text(40, 94, "1"), text(260, 94, "2")])


def regulator():
    return box(80, 70, 140, 90, [(30, 115, 80, 115, "BE", 30, 104, "start"),
                                  (220, 115, 270, 115, "KI", 270, 104, "end"),
                                  (150, 160, 150, 212, "GND", 160, 210, "start")], "stabilizátor")


def reference():
    x = 150
    return "".join([diode(x, 212, x, 28, "diode", 26), line((70, 120), (x - 20, 120), (x - 8, 132)),
                    text(62, 127, "REF", size=17, anchor="end"), text(x + 18, 36, "K", anchor="start"),
                    text(x + 18, 216, "A", anchor="start")])


def other(name):
    return box(70, 60, 160, 120, [], "")


CLASSES = {
    "npn": lambda: single_bjt(False), "pnp": lambda: single_bjt(True),
    "npn2": lambda: dual_bjt(False, False), "pnp2": lambda: dual_bjt(True, True),
    "npnpnp": lambda: dual_bjt(False, True),
    "npn_r": lambda: bias_bjt(False), "pnp_r": lambda: bias_bjt(True),
    "darl_npn": lambda: darlington(False), "darl_pnp": lambda: darlington(True),
    "diode": lambda: single_diode("diode"), "schottky": lambda: single_diode("schottky"),
    "zener": lambda: single_diode("zener"), "varicap": lambda: single_diode("varicap"),
    "diode2_series": lambda: series_pair("diode"), "schottky2_series": lambda: series_pair("schottky"),
    "diode2_cc": lambda: common_pair("diode", True), "diode2_ca": lambda: common_pair("diode", False),
    "schottky2_cc": lambda: common_pair("schottky", True),
    "schottky2_ca": lambda: common_pair("schottky", False),
    "zener2_cc": lambda: common_pair("zener", True), "zener2_ca": lambda: common_pair("zener", False),
    "diode2_ind": lambda: independent_pair("diode"),
    "nmos": lambda: mosfet(110, 120, False), "pmos": lambda: mosfet(110, 120, True),
    "njfet": lambda: jfet(90, 120, False), "pjfet": lambda: jfet(90, 120, True),
    "zener_bi": lambda: back_to_back("zener"),
    "regulator": regulator, "reference": reference,
}


def inner_svg(base, cls):
    draw = CLASSES.get(cls)
    body = draw() if draw else other(base)
    size = 26 if len(base) <= 14 else 20
    return svg(W, H, body + text(W / 2, H - 14, base, size=size))


# ----------------------------------------------------------- packages ---
PL, TIN = T.PLASTIC, T.TIN


def gull_package(name, body, front, back, lead_w, reach, el=56):
    """Gull-wing package: body (length x, width z, height y); front/back:
    lead positions along x as (x, width) pairs."""
    bl, bw, bh = body
    sc = T.Scene(T.Camera(24, el))
    zf = bw / 2
    th = max(0.1, bh * 0.12)
    for x, w in back:
        T.gullwing(sc, x, w, -zf + 0.1, -zf - reach, bh * 0.45, th, reach * 0.5, -1)
    sc.box(-bl / 2, bl / 2, th * 0.6, bh, -zf, zf, PL, 0.12)
    for x, w in front:
        T.gullwing(sc, x, w, zf - 0.1, zf + reach, bh * 0.45, th, reach * 0.5, 1)
    pins = number_pins(front, back)
    for (x, side), n in pins:
        z = zf + reach if side > 0 else -zf - reach
        sc.text((x, 0, z), str(n), dy=26 if side > 0 else -12, size=20, group="front" if side > 0 else None)
    return T.land_page(sc, name, region=(50, 40, 380, 190))


def flat_package(name, body, front, back, tab=None):
    """Leads lying flat on the board (SOT-89, SOT-563, SOD-523 ...)."""
    bl, bw, bh = body
    sc = T.Scene(T.Camera(24, 56))
    zf = bw / 2
    if tab:
        tw, tl = tab
        sc.box(-tw / 2, tw / 2, 0.0, 0.4, -zf - tl, -zf + 0.3, TIN, 0.4)
    for x, w in back:
        sc.box(x - w / 2, x + w / 2, 0.0, 0.3, -zf - 0.5, -zf + 0.2, TIN, 0.4)
    sc.box(-bl / 2, bl / 2, 0.0, bh, -zf, zf, PL, 0.12)
    for x, w in front:
        sc.box(x - w / 2, x + w / 2, 0.0, 0.3 if not tab else 0.4, zf - 0.2, zf + (1.2 if tab else 0.5), TIN, 0.4)
    for (x, side), n in number_pins(front, back):
        z = zf + (1.2 if tab else 0.5) if side > 0 else -zf - (tab[1] if tab else 0.5)
        sc.text((x, 0, z), str(n), dy=26 if side > 0 else -12, size=20, group="front" if side > 0 else None)
    return T.land_page(sc, name, region=(60, 48, 360, 170))


def number_pins(front, back):
    """Pins counted anticlockwise from front left, as on the data sheets."""
    pins = [(x, 1) for x, _ in front] + [(x, -1) for x, _ in sorted(back, reverse=True)]
    return [(p, i + 1) for i, p in enumerate(pins)]


def two_terminal(name, body, lead, kind="gull", band=True):
    """Diode packages with the leads at the ends (SOD-123, SOD-323, SMA ...)."""
    bl, bw, bh = body
    sc = T.Scene(T.Camera(28, 50))
    zf = bw / 2
    lw, reach = lead
    th = max(0.1, bh * 0.12)
    def lead(s):
        x0 = s * bl / 2
        if kind == "gull":
            prof = [(x0 - s * 0.1, bh * 0.45 + th), (x0 + s * reach * 0.5, bh * 0.45 + th),
                    (x0 + s * reach * 0.5, th), (x0 + s * reach, th), (x0 + s * reach, 0),
                    (x0 + s * (reach * 0.5 - th), 0), (x0 + s * (reach * 0.5 - th), bh * 0.45),
                    (x0 - s * 0.1, bh * 0.45)]
            sc.prism([(x, y, -lw / 2) for x, y in prof], (0, 0, lw), TIN, 0.4)
        elif kind == "j":
            t = 0.3
            sc.box(min(x0, x0 + s * t), max(x0, x0 + s * t), 0.0, bh * 0.6, -lw / 2, lw / 2, TIN, 0.4)
        else:   # flat pads under the ends, just showing past them
            sc.box(min(x0 - s * reach, x0 + s * 0.2), max(x0 - s * reach, x0 + s * 0.2), 0.0, 0.28,
                   -lw / 2, lw / 2, TIN, 0.4)

    lead(-1)
    y0 = th * 0.6 if kind == "gull" else (0.2 if kind == "flat" else 0.0)
    sc.box(-bl / 2, bl / 2, y0, bh, -zf, zf, PL, 0.12)
    if band:
        sc.box(-bl / 2 + bl * 0.08, -bl / 2 + bl * 0.2, bh, bh + 0.01, -zf, zf, (215, 218, 222), 0.1)
    lead(1)
    sc.text((-bl / 2 - reach, 0, 0), "K", dx=-10, dy=30, size=22)
    sc.text((bl / 2 + reach, 0, 0), "A", dx=10, dy=30, size=22)
    return T.land_page(sc, name, region=(50, 50, 380, 170))


def melf(name, length, diameter):
    sc = T.Scene(T.Camera(30, 30))
    r = diameter / 2
    cap = length * 0.16
    # drawn along x: metal caps and a glass body as prisms of a polygonal section
    sec = [(r * math.cos(2 * math.pi * i / 24), r + r * math.sin(2 * math.pi * i / 24)) for i in range(24)]
    for x0, x1, col in ((-length / 2, -length / 2 + cap, T.METAL), (-length / 2 + cap, length / 2 - cap, T.GLASS),
                        (length / 2 - cap, length / 2, T.METAL)):
        sc.prism([(x0, y, z) for z, y in sec], (x1 - x0, 0, 0), col, 0.3, smooth=set(range(24)))
    sc.box(-length / 2 + cap + 0.1, -length / 2 + cap + 0.45, r * 1.99, r * 2.0, -0.01, 0.01, (40, 40, 40))
    sc.text((-length / 2, 0, 0), "K", dx=-12, dy=30, size=22)
    sc.text((length / 2, 0, 0), "A", dx=12, dy=30, size=22)
    return T.land_page(sc, name, region=(50, 50, 380, 170))


def outline_package(name):
    body = ('<rect x="150" y="90" width="180" height="110" rx="8" fill="#45484f" stroke="#1b1d21" '
            'stroke-width="2"/>')
    return svg(480, 320, body + text(240, 290, name, size=30))


SOT23 = ((2.9, 1.3, 1.0), [(-0.95, 0.42), (0.95, 0.42)], [(0.0, 0.42)], 0.7)
SOT323 = ((2.0, 1.25, 0.9), [(-0.65, 0.3), (0.65, 0.3)], [(0.0, 0.3)], 0.6)
SOT523 = ((1.6, 0.8, 0.75), [(-0.5, 0.25), (0.5, 0.25)], [(0.0, 0.25)], 0.45)
SOT23_5 = ((2.9, 1.6, 1.1), [(-0.95, 0.4), (0.0, 0.4), (0.95, 0.4)], [(-0.95, 0.4), (0.95, 0.4)], 0.7)
SOT23_6 = ((2.9, 1.6, 1.1), [(-0.95, 0.4), (0.0, 0.4), (0.95, 0.4)],
           [(-0.95, 0.4), (0.0, 0.4), (0.95, 0.4)], 0.7)
SC70_5 = ((2.0, 1.25, 0.9), [(-0.65, 0.25), (0.0, 0.25), (0.65, 0.25)], [(-0.65, 0.25), (0.65, 0.25)], 0.55)
SC70_6 = ((2.0, 1.25, 0.9), [(-0.65, 0.25), (0.0, 0.25), (0.65, 0.25)],
          [(-0.65, 0.25), (0.0, 0.25), (0.65, 0.25)], 0.55)
SOT143 = ((2.9, 1.3, 1.0), [(-0.95, 0.8), (0.95, 0.42)], [(-0.95, 0.42), (0.95, 0.42)], 0.7)
SOT223 = ((6.5, 3.5, 1.7), [(-2.3, 0.72), (0.0, 0.72), (2.3, 0.72)], [(0.0, 3.0)], 1.7)
SO8 = ((4.9, 3.9, 1.5), [(-1.905, 0.42), (-0.635, 0.42), (0.635, 0.42), (1.905, 0.42)],
       [(-1.905, 0.42), (-0.635, 0.42), (0.635, 0.42), (1.905, 0.42)], 1.0)

GULL = {
    "SOT-23": SOT23, "SOT23": SOT23, "TO-236": SOT23, "TO-236AB": SOT23, "SOT-346": SOT23, "SC-59": SOT23,
    "SOT-323": SOT323, "SC-70": SOT323, "SOT-416": SOT523, "SOT-523": SOT523, "SC-75": SOT523,
    "SC-89": SOT523, "SOT-490": SOT523,
    "SOT-23-5": SOT23_5, "SOT-25": SOT23_5, "SOT-753": SOT23_5, "SC-74A": SOT23_5,
    "SOT-23-6": SOT23_6, "SOT-26": SOT23_6, "SOT-457": SOT23_6, "SC-74": SOT23_6, "TSOP-6": SOT23_6,
    "SOT-353": SC70_5, "SC-70-5": SC70_5, "SC-88A": SC70_5, "SOT-363": SC70_6, "SC-70-6": SC70_6,
    "SC-88": SC70_6, "SOT-143": SOT143, "SOT-143B": SOT143, "SOT-143R": SOT143, "SOT-223": SOT223,
    "SO-8": SO8, "SOIC-8": SO8,
}
FLAT = {
    "SOT-89": ((4.5, 2.5, 1.5), [(-1.5, 0.44), (0.0, 0.58), (1.5, 0.44)], [], (1.8, 1.15)),
    "SOT-563": ((1.6, 1.2, 0.55), [(-0.5, 0.22), (0.0, 0.22), (0.5, 0.22)],
                [(-0.5, 0.22), (0.0, 0.22), (0.5, 0.22)], None),
    "SOT-666": ((1.6, 1.2, 0.55), [(-0.5, 0.22), (0.0, 0.22), (0.5, 0.22)],
                [(-0.5, 0.22), (0.0, 0.22), (0.5, 0.22)], None),
    "SOT-883": ((1.0, 0.6, 0.5), [(-0.35, 0.2), (0.35, 0.2)], [(0.0, 0.2)], None),
    "SOT-723": ((1.2, 0.8, 0.5), [(-0.4, 0.22), (0.4, 0.22)], [(0.0, 0.22)], None),
    "DFN1110D-3": ((1.1, 1.0, 0.48), [(-0.35, 0.25), (0.35, 0.25)], [(0.0, 0.5)], None),
    "DPAK": ((6.5, 6.1, 2.3), [(-2.28, 0.8), (0.0, 0.8), (2.28, 0.8)], [], (5.2, 1.0)),
    "TO-252": ((6.5, 6.1, 2.3), [(-2.28, 0.8), (0.0, 0.8), (2.28, 0.8)], [], (5.2, 1.0)),
}
TWO = {
    "SOD-123": ((2.7, 1.6, 1.1), (0.6, 0.55), "gull"), "SOD-123F": ((2.7, 1.6, 1.0), (0.8, 0.55), "flat"),
    "SOD-323": ((1.7, 1.25, 0.9), (0.3, 0.45), "gull"), "SOD-323F": ((1.7, 1.25, 0.8), (0.3, 0.45), "flat"),
    "SOD-523": ((1.2, 0.8, 0.6), (0.3, 0.2), "flat"), "SOD-882": ((1.0, 0.6, 0.5), (0.4, 0.12), "flat"), "SOD-923": ((0.8, 0.6, 0.4), (0.2, 0.15), "flat"),
    "SC-76": ((1.7, 1.25, 0.9), (0.3, 0.45), "gull"), "SC-79": ((1.2, 0.8, 0.6), (0.3, 0.2), "flat"),
    "SC-90": ((1.7, 1.25, 0.8), (0.3, 0.45), "flat"),
    "SMA": ((4.3, 2.6, 2.1), (1.4, 1.2), "j"), "DO-214AC": ((4.3, 2.6, 2.1), (1.4, 1.2), "j"),
    "SMB": ((4.3, 3.6, 2.2), (2.0, 1.2), "j"), "DO-214AA": ((4.3, 3.6, 2.2), (2.0, 1.2), "j"),
    "SMC": ((6.9, 5.9, 2.2), (3.0, 1.2), "j"), "DO-214AB": ((6.9, 5.9, 2.2), (3.0, 1.2), "j"),
    "SOD-128": ((3.8, 2.5, 1.0), (1.6, 0.6), "flat"), "PowerDI-123": ((2.7, 1.6, 1.0), (0.9, 0.6), "flat"),
}
MELF = {"SOD-80": (3.5, 1.5), "MiniMELF": (3.5, 1.5), "LL-34": (3.5, 1.5), "MELF": (5.0, 2.5),
        "LL-41": (5.0, 2.5), "MicroMELF": (2.0, 1.25), "SOD-80C": (3.5, 1.5)}


def package_svg(name):
    if name in GULL:
        body, front, back, reach = GULL[name]
        return gull_package(name, body, front, back, 0, reach)
    if name in FLAT:
        body, front, back, tab = FLAT[name]
        return flat_package(name, body, front, back, tab)
    if name in TWO:
        body, lead, kind = TWO[name]
        return two_terminal(name, body, lead, kind)
    if name in MELF:
        return melf(name, *MELF[name])
    return outline_package(name)


# ------------------------------------------ passive window illustrations ---
def chip_scene(length, width, height, body_col, end_col, el=38):
    sc = T.Scene(T.Camera(22, el))
    cap = length * 0.18
    sc.box(-length / 2, -length / 2 + cap, 0, height, -width / 2, width / 2, end_col, 0.4)
    sc.box(-length / 2 + cap, length / 2 - cap, 0, height, -width / 2, width / 2, body_col, 0.1)
    sc.box(length / 2 - cap, length / 2, 0, height, -width / 2, width / 2, end_col, 0.4)
    return sc


def rc_resistor():
    sc = chip_scene(3.2, 1.6, 0.55, (40, 42, 46), T.TIN, el=48)
    sc.text((0, 0.55, 0.1), "22A", dy=10, size=34, fill="#f2f2f2")
    return T.page(402, 162, [sc.render((26, 16, 350, 130))])


def rc_ceramic():
    sc = chip_scene(3.2, 1.6, 1.1, (196, 170, 128), T.TIN, el=30)
    return T.page(418, 216, [sc.render((30, 20, 358, 176))])


def rc_elko():
    sc = T.Scene(T.Camera(20, 52))
    L, Wd, Hh = 3.5, 2.8, 1.9
    sc.box(-L / 2 - 0.35, -L / 2 + 0.3, 0, 0.25, -0.6, 0.6, T.TIN, 0.4)
    sc.box(L / 2 - 0.3, L / 2 + 0.35, 0, 0.25, -0.6, 0.6, T.TIN, 0.4)
    sc.box(-L / 2, L / 2, 0.05, Hh, -Wd / 2, Wd / 2, (214, 160, 40), 0.2)
    sc.box(-L / 2, -L / 2 + 0.6, Hh, Hh + 0.02, -Wd / 2, Wd / 2, (120, 70, 20), 0.1)
    sc.text((0.3, Hh, 0.2), "A475", dy=8, size=30, fill="#1b1d21")
    sc.text((-L / 2 + 0.3, Hh, -Wd / 2), "+", dy=-14, size=40, fill="#c00000")
    return T.page(190, 184, [sc.render((12, 34, 166, 140))])


def main():
    out, bases_tsv, packages_txt = sys.argv[1:4]
    os.makedirs(out, exist_ok=True)
    jobs = []

    def put(name, content, target, w, h):
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(content)
        jobs.append((name, target, w, h))

    with open(bases_tsv, encoding="utf-8") as f:
        for i, row in enumerate(l.rstrip("\n").split("\t") for l in f if l.strip()):
            put("belso_%d.svg" % i, inner_svg(row[0], row[1]), "belső/%s.JPG" % row[0], 240, 224)
    with open(packages_txt, encoding="utf-8") as f:
        for i, name in enumerate(l.strip() for l in f if l.strip()):
            put("tok_%d.svg" % i, package_svg(name), "tok/%s.JPG" % name, 480, 320)
    put("rc_resistor.svg", rc_resistor(), "res/smd_resistor.png", 201, 81)
    put("rc_ceramic.svg", rc_ceramic(), "res/smd_ceramic.png", 209, 108)
    put("rc_elko.svg", rc_elko(), "res/smd_elko.png", 95, 92)
    with open(os.path.join(out, "list.tsv"), "w", encoding="utf-8") as f:
        for j in jobs:
            f.write("%s\t%s\t%d\t%d\n" % j)


if __name__ == "__main__":
    main()
