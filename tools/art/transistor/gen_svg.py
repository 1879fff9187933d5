#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources for the transistor catalog pictures of Kondrix:
circuit symbols, layer structures, package drawings, the catalog logo and
the zoom mouse pointer.

Usage: gen_svg.py OUTDIR

The package drawings come from a tiny 3D helper: parts are modelled in
millimetres (x to the right, y up, z towards the viewer), projected with an
orthographic camera, flat shaded and painted back to front.
"""
import math
import os
import sys

FONT = "DejaVu Sans"
OL = "#1b1d21"          # outline colour
INK = "#16181c"         # text colour

# material base colours (r, g, b)
PLASTIC = (62, 64, 70)
METAL = (214, 218, 224)
TIN = (212, 214, 218)
NICKEL = (200, 205, 211)
GLASS = (170, 196, 178)

# ambient light and gloss per material
SURF = {PLASTIC: (0.55, 0.28), METAL: (0.68, 0.2), TIN: (0.66, 0.2), NICKEL: (0.6, 0.15)}


# ------------------------------------------------------------ vectors ---
def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def mul(a, k):
    return (a[0] * k, a[1] * k, a[2] * k)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1],
            a[2] * b[0] - a[0] * b[2],
            a[0] * b[1] - a[1] * b[0])


def norm(a):
    d = math.sqrt(dot(a, a)) or 1.0
    return (a[0] / d, a[1] / d, a[2] / d)


def newell(pts):
    n = [0.0, 0.0, 0.0]
    for i, p in enumerate(pts):
        q = pts[(i + 1) % len(pts)]
        n[0] += (p[1] - q[1]) * (p[2] + q[2])
        n[1] += (p[2] - q[2]) * (p[0] + q[0])
        n[2] += (p[0] - q[0]) * (p[1] + q[1])
    return norm(tuple(n))


def centroid(pts):
    k = 1.0 / len(pts)
    return (sum(p[0] for p in pts) * k, sum(p[1] for p in pts) * k,
            sum(p[2] for p in pts) * k)


def hull2(pts):
    pts = sorted(set((round(x, 4), round(y, 4)) for x, y in pts))
    if len(pts) < 3:
        return pts

    def cr(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])
    lo, up = [], []
    for p in pts:
        while len(lo) >= 2 and cr(lo[-2], lo[-1], p) <= 0:
            lo.pop()
        lo.append(p)
    for p in reversed(pts):
        while len(up) >= 2 and cr(up[-2], up[-1], p) <= 0:
            up.pop()
        up.append(p)
    return lo[:-1] + up[:-1]


def circle_xy(cx, cy, r, n=48, a0=0.0):
    return [(cx + r * math.cos(a0 + 2 * math.pi * i / n),
             cy + r * math.sin(a0 + 2 * math.pi * i / n)) for i in range(n)]


def hex_(c):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in c)


def mix(c, k):
    """k < 1 darkens, k > 1 lightens towards white."""
    if k <= 1:
        return tuple(v * k for v in c)
    return tuple(v + (255 - v) * (k - 1) for v in c)


# ------------------------------------------------------------- camera ---
LIGHT = norm((-0.4, 0.9, 0.5))


class Camera:
    def __init__(self, az=24, el=22):
        a, e = math.radians(az), math.radians(el)
        self.t = (math.sin(a) * math.cos(e), math.sin(e), math.cos(a) * math.cos(e))
        self.r = (math.cos(a), 0.0, -math.sin(a))
        self.u = cross(self.t, self.r)
        self.h = norm(add(LIGHT, self.t))

    def p(self, q):
        return (dot(q, self.r), -dot(q, self.u))

    def depth(self, q):
        return dot(q, self.t)

    def shade(self, col, n, shine=0.0):
        amb, gloss = SURF.get(col, (0.55, 0.2))
        d = max(0.0, dot(n, LIGHT))
        k = amb + (1 - amb) * d
        c = mix(col, k)
        c = tuple(v + (255 - v) * gloss * d ** 3 for v in c)
        if shine:
            s = shine * max(0.0, dot(n, self.h)) ** 24
            c = tuple(v + (255 - v) * s for v in c)
        return hex_(c)


class Flat:
    """2D drawing in millimetres, y up."""
    t = (0, 0, 1)

    def p(self, q):
        return (q[0], -q[1])

    def depth(self, q):
        return q[2] if len(q) > 2 else 0


# -------------------------------------------------------------- scene ---
class Scene:
    made = 0

    def __init__(self, cam):
        Scene.made += 1
        self.serial = Scene.made   # keeps clip ids unique and the output stable
        self.cam = cam
        self.ops = []
        self.clip_n = 0

    def P(self, q):
        if len(q) == 2:
            q = (q[0], q[1], 0.0)
        return self.cam.p(q)

    # -- primitive operations (stored in screen millimetres)
    def poly(self, pts3, fill, stroke=OL, sw=1.3, closed=True):
        self.ops.append(("poly", [self.P(q) for q in pts3], fill, stroke, sw, closed))

    def poly2(self, pts2, fill, stroke=OL, sw=1.3, closed=True, dash=None):
        self.ops.append(("poly", list(pts2), fill, stroke, sw, closed, dash))

    def text(self, q, s, dx=0, dy=0, size=18, fill=INK, anchor="middle",
             weight="bold", group=None):
        """group: texts of the same group share the lowest baseline."""
        self.ops.append(("text", self.P(q), s, dx, dy, size, fill, anchor, weight, group))

    def wire(self, a, b, d, col=TIN):
        self.ops.append(("wire", self.P(a), self.P(b), d, col))

    # -- solids
    def face(self, pts, col, n, shine, stroke=True):
        c = self.cam.shade(col, n, shine)
        if stroke:
            self.poly(pts, c)
        else:
            self.poly(pts, c, stroke=c, sw=0.7)

    def prism(self, base, vec, col, shine=0.0, smooth=None, outline=False,
              caps=(True, True)):
        """Extrude polygon `base` (3D points) along `vec`.
        smooth: set of edge indices drawn without outline (curved surfaces)."""
        smooth = smooth or set()
        top = [add(p, vec) for p in base]
        pn = newell(base)
        vn = norm(vec)
        if dot(pn, vn) < 0:      # make the base wind counter-clockwise around vec
            base = base[::-1]
            top = top[::-1]
            n = len(base)
            smooth = {(n - 2 - i) % n for i in smooth}
            pn = mul(pn, -1)
        t = self.cam.t
        sides = []
        n = len(base)
        for i in range(n):
            a, b = base[i], base[(i + 1) % n]
            e = sub(b, a)
            if dot(e, e) < 1e-12:
                continue
            nn = norm(cross(e, pn))
            if dot(nn, t) <= 1e-6:
                continue
            quad = [a, b, top[(i + 1) % n], top[i]]
            sides.append((self.cam.depth(centroid(quad)), quad, nn, i in smooth))
        sides.sort(key=lambda s: s[0])
        for _, quad, nn, sm in sides:
            self.face(quad, col, nn, shine, stroke=not sm)
        if caps[0] and dot(mul(vn, -1), t) > 1e-6:
            self.face(base, col, mul(vn, -1), shine)
        if caps[1] and dot(vn, t) > 1e-6:
            self.face(top, col, vn, shine)
        if outline:
            h = hull2([self.P(q) for q in base + top])
            self.ops.append(("poly", h, "none", OL, 1.3, True))

    def box(self, x0, x1, y0, y1, z0, z1, col, shine=0.0):
        base = [(x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)]
        self.prism(base, (0, 0, z0 - z1), col, shine)

    def slab(self, outline2, z0, z1, col, shine=0.0, smooth=None):
        """Front outline (x, y) extruded from z1 (front) back to z0."""
        base = [(x, y, z1) for x, y in outline2]
        self.prism(base, (0, 0, z0 - z1), col, shine, smooth=smooth)

    def lathe(self, profile, col, center=(0, 0, 0), shine=0.0, creases=(),
              n=72, outline=True):
        """Solid of revolution around a vertical axis. profile: (r, y) from
        bottom centre to top centre."""
        cx, cy, cz = center
        rings = []
        for r, y in profile:
            rings.append([(cx + r * math.cos(2 * math.pi * k / n), cy + y,
                           cz + r * math.sin(2 * math.pi * k / n)) for k in range(n)])
        t = self.cam.t
        faces = []
        vis = [[False] * n for _ in profile]
        for i in range(len(profile) - 1):
            (r0, y0), (r1, y1) = profile[i], profile[i + 1]
            dr, dy = r1 - r0, y1 - y0
            if abs(dr) < 1e-9 and abs(dy) < 1e-9:
                continue
            for k in range(n):
                am = 2 * math.pi * (k + 0.5) / n
                nn = norm((dy * math.cos(am), -dr, dy * math.sin(am)))
                if dot(nn, t) <= 1e-6:
                    continue
                vis[i][k] = vis[i + 1][k] = True
                vis[i][(k + 1) % n] = vis[i + 1][(k + 1) % n] = True
                quad = [rings[i][k], rings[i][(k + 1) % n],
                        rings[i + 1][(k + 1) % n], rings[i + 1][k]]
                faces.append((self.cam.depth(centroid(quad)), quad, nn))
        faces.sort(key=lambda f: f[0])
        for _, quad, nn in faces:
            self.face(quad, col, nn, shine, stroke=False)
        if outline:
            allp = [self.P(q) for ring in rings for q in ring]
            self.ops.append(("poly", hull2(allp), "none", OL, 1.3, True))
        for i in creases:
            ring = rings[i]
            # visible runs of the crease circle
            run = []
            for k in range(n + 1):
                kk = k % n
                q = ring[kk]
                front = dot(norm((q[0] - cx, 0, q[2] - cz)), t) > -0.05 or profile[i][1] == max(y for _, y in profile)
                if front:
                    run.append(self.P(q))
                else:
                    if len(run) > 1:
                        self.ops.append(("poly", run, "none", OL, 1.1, False))
                    run = []
            if len(run) > 1:
                closed = len(run) > n
                self.ops.append(("poly", run, "none", OL, 1.1, closed))

    def hole(self, c, axis, r, thick, wall=(40, 40, 44), behind="#ffffff"):
        """Round through hole: c = centre of the visible opening, axis points
        out of that face."""
        axis = norm(axis)
        u = norm(cross(axis, (0, 1, 0) if abs(axis[1]) < 0.9 else (1, 0, 0)))
        v = cross(axis, u)
        front, back = [], []
        for k in range(48):
            a = 2 * math.pi * k / 48
            off = add(mul(u, r * math.cos(a)), mul(v, r * math.sin(a)))
            front.append(self.P(add(c, off)))
            back.append(self.P(add(sub(c, mul(axis, thick)), off)))
        self.ops.append(("hole", front, back, hex_(wall), behind))

    def surface_dot(self, pts3, fill):
        self.poly(pts3, fill, stroke=hex_(mix((120, 0, 0), 1.0)), sw=0.6)

    # -------------------------------------------------------- output ---
    def bbox(self):
        xs, ys = [], []
        for op in self.ops:
            if op[0] == "poly":
                for x, y in op[1]:
                    xs.append(x)
                    ys.append(y)
            elif op[0] == "wire":
                for x, y in (op[1], op[2]):
                    xs += [x - op[3] / 2, x + op[3] / 2]
                    ys += [y - op[3] / 2, y + op[3] / 2]
            elif op[0] == "hole":
                for x, y in op[1]:
                    xs.append(x)
                    ys.append(y)
        return min(xs), min(ys), max(xs), max(ys)

    def render(self, region, scale=None, align="center"):
        """Fit into region (x, y, w, h) in pixels; returns (svg, defs)."""
        rx, ry, rw, rh = region
        x0, y0, x1, y1 = self.bbox()
        s = scale or min(rw / (x1 - x0), rh / (y1 - y0))
        ox = rx + (rw - (x1 - x0) * s) / 2 - x0 * s
        oy = ry + (rh - (y1 - y0) * s) / 2 - y0 * s
        if align == "top":
            oy = ry - y0 * s
        elif align == "bottom":
            oy = ry + rh - y1 * s
        self.scale = s

        def T(p):
            return "%.2f,%.2f" % (ox + p[0] * s, oy + p[1] * s)

        def TX(p):
            return ox + p[0] * s, oy + p[1] * s
        out, defs = [], []
        base = {}
        for op in self.ops:
            if op[0] == "text" and len(op) > 9 and op[9] is not None:
                y = TX(op[1])[1] + op[4]
                base[op[9]] = max(base.get(op[9], -1e9), y)
        for op in self.ops:
            kind = op[0]
            if kind == "poly":
                pts, fill, stroke, sw, closed = op[1:6]
                dash = op[6] if len(op) > 6 else None
                d = " ".join(T(p) for p in pts)
                tag = "polygon" if closed else "polyline"
                extra = ' stroke-dasharray="%s"' % dash if dash else ""
                out.append('<%s points="%s" fill="%s" stroke="%s" stroke-width="%.2f" '
                           'stroke-linejoin="round"%s/>' % (tag, d, fill, stroke, sw, extra))
            elif kind == "wire":
                a, b, dmm, col = op[1:]
                w = max(1.6, dmm * s)
                (ax, ay), (bx, by) = TX(a), TX(b)
                out.append('<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="%s" '
                           'stroke-width="%.2f"/>' % (ax, ay, bx, by, OL, w + 2.4))
                out.append('<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="%s" '
                           'stroke-width="%.2f"/>' % (ax, ay, bx, by, hex_(mix(col, 0.82)), w))
                # highlight stripe on the left
                out.append('<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="%s" '
                           'stroke-width="%.2f"/>' % (ax - w * 0.18, ay, bx - w * 0.18, by,
                                                      hex_(mix(col, 1.25)), w * 0.35))
            elif kind == "hole":
                front, back, wall, behind = op[1:]
                self.clip_n += 1
                cid = "c%d_%d" % (self.serial, self.clip_n)
                fd = " ".join(T(p) for p in front)
                bd = " ".join(T(p) for p in back)
                defs.append('<clipPath id="%s"><polygon points="%s"/></clipPath>' % (cid, fd))
                out.append('<polygon points="%s" fill="%s" stroke="none"/>' % (fd, wall))
                out.append('<polygon points="%s" fill="%s" stroke="none" clip-path="url(#%s)"/>'
                           % (bd, behind, cid))
                out.append('<polygon points="%s" fill="none" stroke="%s" stroke-width="1.2"/>'
                           % (fd, OL))
            elif kind == "text":
                p, st, dx, dy, size, fill, anchor, weight = op[1:9]
                group = op[9] if len(op) > 9 else None
                x, y = TX(p)
                y += dy
                if group is not None:
                    y = base[group]
                out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="%s" '
                           'font-weight="%s" fill="%s" text-anchor="%s">%s</text>'
                           % (x + dx, y, FONT, size, weight, fill, anchor, st))
        return "\n".join(out), "\n".join(defs)


def page(w, h, parts, caption=None, cap_size=30, notes=()):
    body, defs = [], []
    for b, d in parts:
        body.append(b)
        defs.append(d)
    if caption:
        body.append('<text x="%d" y="%d" font-family="%s" font-size="%d" font-weight="bold" '
                    'fill="%s" text-anchor="middle">%s</text>'
                    % (w // 2, h - 14, FONT, cap_size, INK, caption))
    for x, y, s, size, anchor in notes:
        body.append('<text x="%s" y="%s" font-family="%s" font-size="%s" fill="#5a6068" '
                    'font-style="italic" text-anchor="%s">%s</text>' % (x, y, FONT, size, anchor, s))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs>%s</defs>\n<rect width="%d" height="%d" fill="#ffffff"/>\n%s\n</svg>\n'
            % (w, h, w, h, "\n".join(defs), w, h, "\n".join(body)))


LAND = (480, 320)
PORT = (320, 420)

# Leads carry the numbers of the package outline, never electrode letters:
# which electrode sits on which lead depends on the type (the catalog gives
# it after the package name, e.g. TO92-CBE).
NUMS = ["1", "2", "3"]


# ------------------------------------------------- part building blocks ---
def flat_leads(sc, xs, y_top, y_bot, z_mid, w, thick, shoulder=None):
    """Flat stamped leads hanging down (TO-220 like). shoulder=(width, length)."""
    for x in xs:
        ys = y_top
        if shoulder:
            sw, sl = shoulder
            sc.box(x - w / 2, x + w / 2, y_bot, y_top - sl, z_mid - thick / 2, z_mid + thick / 2, TIN, 0.35)
            sc.box(x - sw / 2, x + sw / 2, y_top - sl, ys, z_mid - thick / 2, z_mid + thick / 2, TIN, 0.35)
        else:
            sc.box(x - w / 2, x + w / 2, y_bot, ys, z_mid - thick / 2, z_mid + thick / 2, TIN, 0.35)


def lead_labels(sc, xs, y, z, labels, dy=24, size=20):
    for x, s in zip(xs, labels):
        sc.text((x, y, z), s, dy=dy, size=size, group="leads")


def chamfer_rect(x0, x1, y0, y1, c_top=0.0, c_bot=0.0):
    pts = [(x0, y0 + c_bot), (x0 + c_bot, y0), (x1 - c_bot, y0), (x1, y0 + c_bot),
           (x1, y1 - c_top), (x1 - c_top, y1), (x0 + c_top, y1), (x0, y1 - c_top)]
    out = []
    for p in pts:
        if not out or (abs(out[-1][0] - p[0]) > 1e-9 or abs(out[-1][1] - p[1]) > 1e-9):
            out.append(p)
    if abs(out[0][0] - out[-1][0]) < 1e-9 and abs(out[0][1] - out[-1][1]) < 1e-9:
        out.pop()
    return out


def rounded_rect(x0, x1, y0, y1, r_top=0.0, r_bot=0.0, n=6):
    pts = []

    def arc(cx, cy, r, a0, a1):
        if r <= 0:
            pts.append((cx, cy))
            return
        for i in range(n + 1):
            a = math.radians(a0 + (a1 - a0) * i / n)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    arc(x0 + r_bot, y0 + r_bot, r_bot, 180, 270)
    arc(x1 - r_bot, y0 + r_bot, r_bot, 270, 360)
    arc(x1 - r_top, y1 - r_top, r_top, 0, 90)
    arc(x0 + r_top, y1 - r_top, r_top, 90, 180)
    return pts


# -------------------------------------------------- power packages ---
def tab_package(name, caption, body, tab, hole, leads, labels, cam=None):
    """Plastic body with a metal tab sticking out at the top (TO-220 family).
    body: (w, h, d)   tab: (w, top, thick, outline-or-None)
    hole: (y, r)      leads: (pitch, w, shoulder_w, shoulder_l, length, z)"""
    sc = Scene(cam or Camera(24, 20))
    bw, bh, bd = body
    tw, ttop, tt, tout = tab
    pitch, lw, sw_, sl, ll, lz = leads
    xs = [-pitch, 0, pitch]
    flat_leads(sc, xs, 0.2, -ll, lz, lw, 0.55, (sw_, sl))
    sc.box(-bw / 2, bw / 2, 0, bh, -bd, 0, PLASTIC, 0.15)
    outline = tout or chamfer_rect(-tw / 2, tw / 2, bh, ttop, 0.6)
    sc.slab(outline, -bd, -bd + tt, METAL, 0.5)
    hy, hr = hole
    sc.hole((0, hy, -bd + tt), (0, 0, 1), hr, tt, wall=mix(METAL, 0.45))
    lead_labels(sc, xs, -ll, lz, labels)
    return sc


def plastic_hole_package(body_outline, bd, hole, leads, labels, metal_back=0.0,
                         cam=None, extra=None):
    """All-plastic body with the mounting hole through it (TO-126, TO-247...)."""
    sc = Scene(cam or Camera(24, 20))
    pitch, lw, sw_, sl, ll, lz = leads
    xs = [-pitch, 0, pitch]
    flat_leads(sc, xs, 0.2, -ll, lz, lw, 0.6, (sw_, sl))
    if metal_back:
        sc.slab(body_outline, -bd, -bd + metal_back, METAL, 0.5)
        sc.slab(body_outline, -bd + metal_back, 0, PLASTIC, 0.15)
    else:
        sc.slab(body_outline, -bd, 0, PLASTIC, 0.15)
    hy, hr = hole
    # drawn a little shallower than the body so the hole reads as a hole
    sc.hole((0, hy, 0), (0, 0, 1), hr, min(bd, 2.4 * hr * 0.7), wall=(30, 31, 35))
    if extra:
        extra(sc)
    lead_labels(sc, xs, -ll, lz, labels)
    return sc


def land_page(sc, caption, notes=(), region=(24, 14, 432, 232)):
    w, h = LAND
    return page(w, h, [sc.render(region)], caption, notes=notes)


def to220():
    sc = tab_package("TO220", "TO-220", (10.0, 9.0, 4.5),
                     (10.0, 15.6, 1.3, None), (12.4, 1.85),
                     (2.54, 0.8, 1.45, 2.6, 8.5, -2.6), NUMS)
    return land_page(sc, "TO-220")


def to202():
    tab = rounded_rect(-5.0, 5.0, 8.0, 16.0, r_top=2.2)
    sc = tab_package("TO202", "TO-202", (8.4, 8.0, 3.2),
                     (10.0, 16.0, 1.1, tab), (12.6, 1.75),
                     (2.54, 0.75, 1.3, 2.2, 8.5, -2.0), ["1", "2", "3"])
    return land_page(sc, "TO-202")


def to218():
    sc = tab_package("TO218", "TO-218", (15.2, 12.6, 4.8),
                     (15.2, 19.2, 1.6, chamfer_rect(-7.6, 7.6, 12.6, 19.2, 0.9)),
                     (15.6, 2.05), (5.45, 1.2, 2.3, 3.6, 11.0, -3.0), NUMS)
    return land_page(sc, "TO-218")


def to126(caption):
    outline = chamfer_rect(-3.9, 3.9, 0, 11.0, 0.5, 0.2)
    sc = plastic_hole_package(outline, 2.8, (7.6, 1.6),
                              (2.29, 0.75, 1.25, 2.2, 9.0, -1.5), NUMS,
                              metal_back=0.5)
    return land_page(sc, caption)


def to247():
    outline = chamfer_rect(-7.9, 7.9, 0, 20.6, 1.2, 0.3)
    sc = plastic_hole_package(outline, 5.0, (15.3, 1.8),
                              (5.45, 1.25, 2.3, 4.0, 12.0, -2.6), NUMS,
                              metal_back=1.9)
    return land_page(sc, "TO-247")


def to3p():
    # body with the two typical side notches near the top
    o = [(-7.8, 0.3), (-7.5, 0), (7.5, 0), (7.8, 0.3),
         (7.8, 15.2), (7.0, 15.2), (7.0, 16.8), (7.8, 16.8), (7.8, 19.7), (7.5, 20.0),
         (-7.5, 20.0), (-7.8, 19.7), (-7.8, 16.8), (-7.0, 16.8), (-7.0, 15.2), (-7.8, 15.2)]
    sc = plastic_hole_package(o, 4.8, (16.0, 1.65),
                              (5.45, 1.1, 2.2, 3.6, 12.0, -2.4), NUMS,
                              metal_back=1.5)
    return land_page(sc, "TO-3P")


def sot93():
    outline = chamfer_rect(-7.5, 7.5, 0, 15.6, 0.8, 0.3)
    sc = plastic_hole_package(outline, 4.7, (11.6, 2.0),
                              (5.45, 1.15, 2.2, 3.4, 10.5, -2.6), NUMS,
                              metal_back=1.6)
    return land_page(sc, "SOT-93")


# ---------------------------------------------------------- SMD parts ---
def gullwing(sc, x, w, z_from, z_to, y_exit, thick, foot, direction=1):
    """Gull-wing lead leaving the body side at z_from, foot ends at z_to."""
    s = direction
    zk = z_to - s * foot            # knee (outer side of the drop)
    h = thick
    prof = [(z_from, y_exit + h), (zk, y_exit + h), (zk, h), (z_to, h),
            (z_to, 0), (zk - s * h, 0), (zk - s * h, y_exit), (z_from, y_exit)]
    base = [(x - w / 2, y, z) for z, y in prof]
    sc.prism(base, (w, 0, 0), TIN, 0.4)


def sot23_scene(body, leads, el=58, az=24):
    """body: (length x, width z, height y, standoff)  leads: (w, pitch, reach)
    Two leads in front (1, 2), one at the back (3)."""
    bl, bwz, bh, so = body
    lw, pitch, reach = leads
    sc = Scene(Camera(az, el))
    zf = bwz / 2
    gullwing(sc, 0.0, lw, -zf + 0.1, -zf - reach, bh * 0.45, 0.13, reach * 0.5, -1)
    sc.box(-bl / 2, bl / 2, so, bh, -zf, zf, PLASTIC, 0.12)
    for x in (-pitch, pitch):
        gullwing(sc, x, lw, zf, zf + reach, bh * 0.45, 0.13, reach * 0.5, 1)
    sc.text((-pitch, 0, zf + reach), "1", dy=28, size=22, group="front")
    sc.text((pitch, 0, zf + reach), "2", dy=28, size=22, group="front")
    sc.text((0.0, 0.13, -zf - reach), "3", dy=-12, size=22)
    return sc


def smd_top_view(bl, bw, leads, lab_size=19):
    """Top view: leads = [(x, side, width, reach, number)], side +1 =
    front (bottom of the picture), -1 = back."""
    tv = Scene(Flat())
    for x, side, w, reach, lab in leads:
        y0 = side * bw / 2
        y1 = side * (bw / 2 + reach)
        tv.poly2([(x - w / 2, y0 - side * 0.1), (x + w / 2, y0 - side * 0.1),
                  (x + w / 2, y1), (x - w / 2, y1)], "#d2d5d9", sw=1.2)
        if side > 0:
            tv.ops.append(("text", (x, y1), lab, 0, lab_size + 4, lab_size, INK, "middle", "bold"))
        else:
            tv.ops.append(("text", (x, y1), lab, 0, -7, lab_size, INK, "middle", "bold"))
    tv.poly2([(-bl / 2, -bw / 2), (bl / 2, -bw / 2), (bl / 2, bw / 2), (-bl / 2, bw / 2)],
             "#45484f", sw=1.4)
    return tv


SOT23_TOP = [(-0.95, 1, 0.42, 0.55, "1"), (0.95, 1, 0.42, 0.55, "2"),
             (0.0, -1, 0.42, 0.55, "3")]


def sot23():
    sc = sot23_scene((2.9, 1.3, 1.0, 0.1), (0.42, 0.95, 0.75))
    a = sc.render((40, 44, 240, 136))
    tv = smd_top_view(2.9, 1.3, SOT23_TOP)
    b = tv.render((80, 272, 160, 76))
    w, h = PORT
    return page(w, h, [a, b], "SOT-23",
                notes=[(w // 2, 238, "felülnézet", 13, "middle")])


def sot323():
    sc = sot23_scene((2.0, 1.25, 0.9, 0.05), (0.3, 0.65, 0.7))
    a = sc.render((20, 56, 260, 160))
    top = [(x * 0.65 / 0.95, s, 0.3, 0.45, l) for x, s, _, _, l in SOT23_TOP]
    tv = smd_top_view(2.0, 1.25, top)
    b = tv.render((310, 100, 140, 104))
    w, h = LAND
    return page(w, h, [a, b], "SOT-323",
                notes=[(380, 66, "felülnézet", 13, "middle")])



def sot89():
    sc = Scene(Camera(24, 56))
    bl, bw, bh = 4.5, 2.5, 1.5
    zf = bw / 2
    # tab behind the body (same metal as the middle lead)
    tab = [(-0.9, -zf + 0.3), (0.9, -zf + 0.3), (0.9, -zf - 0.9), (0.65, -zf - 1.15),
           (-0.65, -zf - 1.15), (-0.9, -zf - 0.9)]
    sc.prism([(x, 0.0, z) for x, z in tab], (0, 0.42, 0), TIN, 0.4)
    sc.box(-bl / 2, bl / 2, 0.0, bh, -zf, zf, PLASTIC, 0.12)
    # flat leads lying on the board, the middle one wider
    for x, w in ((-1.5, 0.44), (0.0, 0.58), (1.5, 0.44)):
        sc.box(x - w / 2, x + w / 2, 0.0, 0.42, zf, zf + 1.2, TIN, 0.4)
    for x, s in ((-1.5, "1"), (0.0, "2"), (1.5, "3")):
        sc.text((x, 0, zf + 1.2), s, dy=28, size=22, group="front")
    sc.text((0, 0.42, -zf - 1.15), "2", dy=-12, size=22)   # the tab is part of lead 2
    return land_page(sc, "SOT-89", region=(60, 48, 360, 170))


def sot223():
    sc = Scene(Camera(24, 56))
    bl, bw, bh = 6.5, 3.5, 1.7
    zf = bw / 2
    gullwing(sc, 0.0, 3.0, -zf + 0.2, -zf - 1.7, 0.8, 0.26, 0.8, -1)
    sc.box(-bl / 2, bl / 2, 0.1, bh, -zf, zf, PLASTIC, 0.12)
    for x in (-2.3, 0.0, 2.3):
        gullwing(sc, x, 0.72, zf, zf + 1.7, 0.8, 0.26, 0.8, 1)
    for x, s in ((-2.3, "1"), (0.0, "2"), (2.3, "3")):
        sc.text((x, 0, zf + 1.7), s, dy=28, size=22, group="front")
    sc.text((0, 0.26, -zf - 1.7), "4", dy=-12, size=22)
    return land_page(sc, "SOT-223", region=(60, 48, 360, 170))



# ---------------------------------------------------------- TO-92 ---
def to92():
    sc = Scene(Camera(26, 20))
    r, flat = 2.4, 0.9          # radius, distance of the flat face from the axis
    hw = math.sqrt(r * r - flat * flat)
    pts = [(-hw, flat), (hw, flat)]
    n = 40
    # arc from the right end of the flat, round the back, to the left end
    start = math.atan2(flat, hw)
    end = math.atan2(flat, -hw) - 2 * math.pi
    for i in range(1, n):
        a = start + (end - start) * i / n
        pts.append((r * math.cos(a), r * math.sin(a)))
    base = [(x, 0.0, z) for x, z in pts]
    smooth = set(range(1, len(pts)))
    xs = [-1.27, 0.0, 1.27]
    for x in xs:
        sc.box(x - 0.23, x + 0.23, -9.0, 0.2, -0.23, 0.23, TIN, 0.35)
    sc.prism(base, (0, 5.0, 0), PLASTIC, 0.25, smooth=smooth, outline=True)
    lead_labels(sc, xs, -9.0, 0, NUMS, dy=28, size=24)
    w, h = PORT
    return page(w, h, [sc.render((40, 16, 240, 320))], "TO-92")


# ---------------------------------------------------------- metal cans ---
def can_scene(rc, hc, rf, hf, tab, leads, lead_len, lead_d, cam=None, dot_mark=None,
              dome=0.0, labels=False):
    """rc/hc can radius/height, rf/hf flange, tab angle in degrees (None = no
    tab; angle measured from +x towards the viewer), leads: [(x, z, label)]."""
    sc = Scene(cam or Camera(24, 26))
    for x, z, _ in sorted(leads, key=lambda l: sc.cam.depth((l[0], 0, l[1]))):
        sc.wire((x, 0.0, z), (x, -lead_len, z), lead_d)
    if hf > 0:
        sc.lathe([(0, 0), (rf, 0), (rf, hf), (0, hf)], NICKEL, shine=0.5, creases=(2,))
    if tab is not None:
        a = math.radians(tab)
        d = (math.cos(a), 0, math.sin(a))
        sd = (-d[2], 0, d[0])
        tw = 0.42
        r0, r1 = rf - 0.3, rf + 0.75
        base = [add(mul(d, r0), mul(sd, -tw)), add(mul(d, r1), mul(sd, -tw)),
                add(mul(d, r1), mul(sd, tw)), add(mul(d, r0), mul(sd, tw))]
        sc.prism(base, (0, max(hf, 0.4), 0), NICKEL, 0.5)
    c = rc * 0.08
    prof = [(0, hf), (rc, hf), (rc, hf + hc - c - dome), (rc - c, hf + hc - dome)]
    if dome:
        for i in range(1, 5):
            a = math.pi / 2 * i / 4
            prof.append(((rc - c) * math.cos(a) ** 0.7, hf + hc - dome + dome * math.sin(a)))
        prof[-1] = (0, hf + hc)
    else:
        prof.append((0, hf + hc))
    sc.lathe(prof, NICKEL, shine=0.6, creases=(2, 3))
    if dot_mark:
        ang, y, rr = dot_mark
        pts = []
        for k in range(20):
            b = 2 * math.pi * k / 20
            aa = math.radians(ang) + rr / rc * math.cos(b)
            yy = y + rr * math.sin(b)
            pts.append((rc * 1.003 * math.cos(aa), yy, rc * 1.003 * math.sin(aa)))
        sc.poly(pts, "#d8262a", stroke="#7a1012", sw=0.8)
    if labels:
        for x, z, lab in leads:
            sc.text((x, -lead_len, z), lab, dy=24, size=20, group="leads")
    return sc


def BV(x, z):
    """Bottom view: the part is tipped over backwards, so x stays x and the
    side that faced the viewer is at the top of the picture."""
    return (x, -z)


def bottom_view(rf, rc, tab, leads, lead_d, dot_mark=None, pad=1.5):
    bv = Scene(Flat())
    if tab is not None:
        a = math.radians(tab)
        d = (math.cos(a), math.sin(a))
        sd = (-d[1], d[0])
        tw = 0.42
        r0, r1 = rf - 0.3, rf + 0.75
        tp = [(d[0] * r0 - sd[0] * tw, d[1] * r0 - sd[1] * tw),
              (d[0] * r1 - sd[0] * tw, d[1] * r1 - sd[1] * tw),
              (d[0] * r1 + sd[0] * tw, d[1] * r1 + sd[1] * tw),
              (d[0] * r0 + sd[0] * tw, d[1] * r0 + sd[1] * tw)]
        bv.poly2([BV(x, z) for x, z in tp], "#c4c9cf", sw=1.2)
    bv.poly2(circle_xy(0, 0, rf, 72), "#d3d7dc", sw=1.4)
    bv.poly2(circle_xy(0, 0, rc * 0.86, 72), "#b9cbbd", sw=1.0)
    if dot_mark is not None:
        ang = math.radians(dot_mark)
        bv.poly2(circle_xy(*BV(rf * 0.97 * math.cos(ang), rf * 0.97 * math.sin(ang)), rf * 0.12, 24),
                 "#d8262a", stroke="#7a1012", sw=0.8)
    for x, z, lab in leads:
        bv.poly2(circle_xy(*BV(x, z), lead_d * 0.8, 24), "#9aa0a8", sw=1.1)
        bv.poly2(circle_xy(*BV(x, z), lead_d * 0.42, 24), "#eceef0", stroke="#eceef0", sw=0.5)
    # invisible frame so labels around the flange fit in
    bv.ops.append(("poly", circle_xy(0, 0, rf * pad, 8), "none", "none", 0, True))
    return bv


def label_leads_2d(bv, leads, radius, size=20):
    for x, z, lab in leads:
        d = math.hypot(x, z) or 1.0
        px, py = BV(x / d * radius, z / d * radius)
        bv.ops.append(("text", (px, py), lab, 0, size * 0.36, size, INK, "middle", "bold"))


def small_can(caption, rc, hc, rf, hf, pin_r, lead_len, lead_d, four=False):
    # Seen from below the leads follow clockwise from the tab: 1 left, 2 at
    # the front, 3 right (and 4 at the back, the case lead of TO-72).
    leads = [(-pin_r, 0.0, "1"), (0.0, pin_r, "2"), (pin_r, 0.0, "3")]
    if four:
        leads.append((0.0, -pin_r, "4"))
    tab = 225.0                               # back left, between 4 and 1
    # seen from the front left, so that the tab behind shows
    sc = can_scene(rc, hc, rf, hf, tab, leads, lead_len, lead_d, cam=Camera(-24, 26))
    a = sc.render((50, 14, 220, 196))
    bv = bottom_view(rf, rc, tab, leads, lead_d, pad=1.45)
    label_leads_2d(bv, leads, rf * 1.26)
    b = bv.render((80, 244, 160, 122))
    w, h = PORT
    return page(w, h, [a, b], caption,
                notes=[(w // 2, 238, "alulnézet", 13, "middle")])


def to18():
    return small_can("TO-18", 2.35, 5.2, 2.8, 0.5, 1.27, 5.0, 0.45)


def to72():
    return small_can("TO-72", 2.35, 5.2, 2.8, 0.5, 1.27, 5.0, 0.45, four=True)


def to5():
    return small_can("TO-5", 4.15, 6.3, 4.65, 0.6, 2.54, 11.0, 0.45)


def to39():
    return small_can("TO-39", 4.15, 6.3, 4.65, 0.6, 2.54, 5.0, 0.45)


def to1():
    # old germanium can, leads in a row, a red dot marks lead 3 (set apart)
    leads = [(-1.9, 0.0, "1"), (0.0, 0.0, "2"), (2.3, 0.0, "3")]
    sc = can_scene(3.05, 6.6, 3.2, 0.35, None, leads, 7.0, 0.45,
                   dot_mark=(28, 5.4, 0.5), dome=0.8, labels=True)
    a = sc.render((30, 14, 240, 226))
    bv = bottom_view(3.2, 3.05, None, leads, 0.45, dot_mark=28, pad=1.2)
    for x, z, lab in leads:
        bv.ops.append(("text", BV(x, z - 0.55), lab, 0, 19, 19, INK, "middle", "bold"))
    b = bv.render((300, 76, 160, 160))
    w, h = LAND
    return page(w, h, [a, b], "TO-1", notes=[(380, 66, "alulnézet", 13, "middle")])


# ---------------------------------------------------- TO-3 and TO-66 ---
def flange_outline(rc, rh, hs, n=96):
    pts = []
    for cx, r in ((0, rc), (-hs, rh), (hs, rh)):
        pts += circle_xy(cx, 0, r, n)
    return hull2(pts)


def diamond_can(caption, rc, rh, hs, ft, hole_r, dome_r, dome_h, pins, pin_d, pin_len):
    sc = Scene(Camera(18, 24))
    out = flange_outline(rc, rh, hs)
    for x, z, _ in sorted(pins, key=lambda p: sc.cam.depth((p[0], 0, p[1]))):
        sc.wire((x, 0, z), (x, -pin_len, z), pin_d)
    base = [(x, 0.0, z) for x, z in out]
    sc.prism(base, (0, ft, 0), METAL, 0.5, smooth=set(range(len(base))), outline=True)
    for x in (-hs, hs):
        sc.hole((x, ft, 0), (0, 1, 0), hole_r, ft, wall=mix(METAL, 0.5))
    c = dome_r * 0.12
    prof = [(0, ft), (dome_r + 0.6, ft), (dome_r + 0.6, ft + 0.5), (dome_r, ft + 0.5),
            (dome_r, ft + dome_h - c), (dome_r - c, ft + dome_h), (0, ft + dome_h)]
    sc.lathe(prof, NICKEL, shine=0.6, creases=(2, 3, 4, 5))
    a = sc.render((16, 30, 270, 210))

    bv = Scene(Flat())
    bv.poly2([BV(x, z) for x, z in out], "#d3d7dc", sw=1.4)
    bv.poly2(circle_xy(0, 0, dome_r, 72), "none", stroke="#8a9098", sw=1.0, dash="4,3")
    for x in (-hs, hs):
        bv.poly2(circle_xy(x, 0, hole_r, 40), "#ffffff", sw=1.2)
    for x, z, lab in pins:
        px, py = BV(x, z)
        bv.poly2(circle_xy(px, py, pin_d * 1.9, 32), "#b9cbbd", sw=1.0)
        bv.poly2(circle_xy(px, py, pin_d * 0.6, 24), "#8d939b", sw=1.0)
        side = -1 if x < 0 else 1
        bv.ops.append(("text", (px + side * pin_d * 2.3, py), lab, side * 2, 7, 20, INK,
                       "end" if side < 0 else "start", "bold"))
    b = bv.render((296, 70, 168, 140))
    w, h = LAND
    return page(w, h, [a, b], caption,
                notes=[(380, 58, "alulnézet", 13, "middle"),
                       (380, 252, "tok = 3", 17, "middle")])


def to3():
    return diamond_can("TO-3", 12.0, 5.0, 15.1, 1.6, 2.05, 11.0, 7.2,
                       [(-5.45, 3.1, "1"), (5.45, 3.1, "2")], 1.0, 12.0)


def to66():
    return diamond_can("TO-66", 8.6, 3.6, 12.2, 1.3, 1.8, 7.8, 6.0,
                       [(-2.54, 2.5, "1"), (2.54, 2.5, "2")], 0.9, 10.0)



# ------------------------------------------- more power and SMD packages ---
def to220f():
    # fully moulded TO-220: the plastic covers the tab, the hole goes through it
    outline = chamfer_rect(-5.1, 5.1, 0, 15.8, 0.8, 0.2)
    sc = plastic_hole_package(outline, 4.6, (12.5, 1.6),
                              (2.54, 0.8, 1.45, 2.6, 8.5, -2.6), NUMS)
    return land_page(sc, "TO-220F (FullPak)")


def to262():
    # TO-220 body and leads, the metal back ends at the top of the body
    sc = Scene(Camera(24, 20))
    xs = [-2.54, 0, 2.54]
    flat_leads(sc, xs, 0.2, -11.0, -2.6, 0.8, 0.55, (1.45, 2.6))
    sc.box(-5.0, 5.0, 0, 9.0, -4.5, 0, PLASTIC, 0.15)
    sc.slab(chamfer_rect(-5.0, 5.0, 9.0, 10.3, 0.5), -4.5, -4.5 + 1.3, METAL, 0.5)
    lead_labels(sc, xs, -11.0, -2.6, NUMS)
    return land_page(sc, "TO-262 (I\u00b2PAK)")


def ipak():
    sc = Scene(Camera(24, 20))
    xs = [-2.29, 0, 2.29]
    flat_leads(sc, xs, 0.2, -9.0, -1.15, 0.75, 0.5, (1.1, 1.8))
    sc.box(-3.3, 3.3, 0, 6.1, -2.3, 0, PLASTIC, 0.15)
    sc.slab(chamfer_rect(-2.7, 2.7, 6.1, 7.1, 0.4), -2.3, -2.3 + 0.5, METAL, 0.5)
    lead_labels(sc, xs, -9.0, -1.15, NUMS)
    return land_page(sc, "IPAK (TO-251)")


def dpak_scene(bl, bw, bh, tab_w, tab_reach, pitch, lead_w, reach):
    """Surface-mount power package lying flat: the tab (lead 2) behind,
    leads 1 and 3 in front, the middle lead cut short."""
    sc = Scene(Camera(24, 56))
    zf = bw / 2
    tab = [(-tab_w / 2, -zf + 0.3), (tab_w / 2, -zf + 0.3), (tab_w / 2, -zf - tab_reach),
           (-tab_w / 2, -zf - tab_reach)]
    sc.prism([(x, 0.0, z) for x, z in tab], (0, 0.5, 0), TIN, 0.4)
    sc.box(-bl / 2, bl / 2, 0.0, bh, -zf, zf, PLASTIC, 0.12)
    for x in (-pitch, pitch):
        gullwing(sc, x, lead_w, zf, zf + reach, bh * 0.45, 0.5, reach * 0.45, 1)
    sc.box(-lead_w / 2, lead_w / 2, bh * 0.45, bh * 0.45 + 0.5, zf, zf + 0.7, TIN, 0.4)
    for x, lab in ((-pitch, "1"), (pitch, "3")):
        sc.text((x, 0, zf + reach), lab, dy=28, size=22, group="front")
    sc.text((0, 0.5, -zf - tab_reach), "2", dy=-12, size=22)
    return sc


def dpak():
    sc = dpak_scene(6.6, 6.1, 2.3, 5.3, 1.0, 2.29, 0.75, 2.6)
    return land_page(sc, "DPAK (TO-252)", notes=[(240, 258, "2 = a h\u0171t\u0151f\u00fcl", 14, "middle")],
                     region=(60, 24, 360, 176))


def d2pak():
    sc = dpak_scene(10.0, 9.0, 4.4, 8.0, 1.4, 2.54, 0.8, 3.2)
    return land_page(sc, "D\u00b2PAK (TO-263)", notes=[(240, 258, "2 = a h\u0171t\u0151f\u00fcl", 14, "middle")],
                     region=(60, 24, 360, 176))


def so8():
    sc = Scene(Camera(24, 58))
    bl, bw, bh = 4.9, 3.9, 1.5
    zf = bw / 2
    xs = [-1.905, -0.635, 0.635, 1.905]
    for x in xs:
        gullwing(sc, x, 0.42, -zf + 0.1, -zf - 1.0, bh * 0.45, 0.2, 0.5, -1)
    sc.box(-bl / 2, bl / 2, 0.1, bh, -zf, zf, PLASTIC, 0.12)
    for x in xs:
        gullwing(sc, x, 0.42, zf, zf + 1.0, bh * 0.45, 0.2, 0.5, 1)
    for x, lab in zip(xs, "1234"):
        sc.text((x, 0, zf + 1.0), lab, dy=28, size=20, group="front")
    for x, lab in zip(xs, "8765"):
        sc.text((x, 0.2, -zf - 1.0), lab, dy=-12, size=20)
    a = sc.render((40, 30, 400, 200))
    w, h = LAND
    return page(w, h, [a], "SO-8")


def sot143():
    # the SOT-23 body with a fourth lead: 1 (wider) and 2 in front, 3 and 4 behind
    sc = Scene(Camera(24, 58))
    bl, bwz, bh, so = 2.9, 1.3, 1.0, 0.1
    zf = bwz / 2
    for x in (-0.95, 0.95):
        gullwing(sc, x, 0.42, -zf + 0.1, -zf - 0.75, bh * 0.45, 0.13, 0.38, -1)
    sc.box(-bl / 2, bl / 2, so, bh, -zf, zf, PLASTIC, 0.12)
    gullwing(sc, -0.8, 0.8, zf, zf + 0.75, bh * 0.45, 0.13, 0.38, 1)
    gullwing(sc, 0.95, 0.42, zf, zf + 0.75, bh * 0.45, 0.13, 0.38, 1)
    sc.text((-0.8, 0, zf + 0.75), "1", dy=28, size=22, group="front")
    sc.text((0.95, 0, zf + 0.75), "2", dy=28, size=22, group="front")
    sc.text((0.95, 0.13, -zf - 0.75), "3", dy=-12, size=22)
    sc.text((-0.95, 0.13, -zf - 0.75), "4", dy=-12, size=22)
    a = sc.render((40, 44, 240, 136))
    top = [(-0.8, 1, 0.8, 0.55, "1"), (0.95, 1, 0.42, 0.55, "2"),
           (0.95, -1, 0.42, 0.55, "3"), (-0.95, -1, 0.42, 0.55, "4")]
    tv = smd_top_view(2.9, 1.3, top)
    b = tv.render((80, 272, 160, 76))
    w, h = PORT
    return page(w, h, [a, b], "SOT-143", notes=[(w // 2, 238, "fel\u00fcln\u00e9zet", 13, "middle")])


# ----------------------------------------------- field-effect symbols ---
def fet_svg(kind, p_channel):
    """kind: "mos" (enhancement), "jfet" or "dual" (depletion, two gates)."""
    s = 240
    col = "#111111"
    cx, cy, r = 128, 120, 74
    ch_x = 124                       # channel bar
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (s, s, s, s),
             '<rect width="%d" height="%d" fill="#ffffff"/>' % (s, s),
             '<g fill="none" stroke="%s" stroke-width="5" stroke-linecap="round" stroke-linejoin="round">' % col,
             '<circle cx="%d" cy="%d" r="%d" fill="#f3f6fa"/>' % (cx, cy, r)]
    yd, ys = cy - 34, cy + 34        # drain and source rows on the channel
    if kind == "jfet":
        parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="9" stroke-linecap="butt"/>'
                     % (ch_x, cy - 46, ch_x, cy + 46))
        parts.append('<line x1="18" y1="%d" x2="%d" y2="%d"/>' % (ys, ch_x - 4, ys))
    else:
        if kind == "mos":
            for y0 in (cy - 46, cy - 8, cy + 24):
                parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="8" stroke-linecap="butt"/>'
                             % (ch_x, y0, ch_x, y0 + 22))
        else:
            parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="8" stroke-linecap="butt"/>'
                         % (ch_x, cy - 46, ch_x, cy + 46))
        gx = ch_x - 16
        if kind == "dual":
            parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (gx, cy - 46, gx, cy - 8))
            parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (gx - 14, cy + 8, gx - 14, cy + 46))
            parts.append('<polyline points="18,%d %d,%d %d,%d"/>' % (cy - 60, gx, cy - 60, gx, cy - 46))
            parts.append('<line x1="18" y1="%d" x2="%d" y2="%d"/>' % (cy + 46, gx - 14, cy + 46))
        else:
            parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (gx, cy - 40, gx, cy + 40))
            parts.append('<line x1="18" y1="%d" x2="%d" y2="%d"/>' % (cy + 40, gx, cy + 40))
        parts.append('<polyline points="%d,%d %d,%d %d,%d"/>' % (ch_x, cy, 162, cy, 162, ys))
    # drain up, source down
    parts.append('<polyline points="%d,%d %d,%d %d,%d"/>' % (ch_x, yd, 162, yd, 162, 16))
    parts.append('<polyline points="%d,%d %d,%d %d,%d"/>' % (ch_x, ys, 162, ys, 162, 224))
    parts.append('</g>')
    # the arrow: on the bulk line (MOSFET) or on the gate (JFET); N points in
    if kind == "jfet":
        y, x_in, x_out = ys, ch_x - 6, ch_x - 40
    else:
        y, x_in, x_out = cy, ch_x + 6, ch_x + 36
    tip, tail = (x_in, x_out) if not p_channel else (x_out, x_in)
    d = 1 if tip > tail else -1
    parts.append('<polygon points="%d,%d %d,%d %d,%d" fill="%s" stroke="%s" stroke-width="2" '
                 'stroke-linejoin="round"/>' % (tip, y, tip - d * 20, y - 10, tip - d * 20, y + 10, col, col))
    t = ('<text x="%d" y="%d" font-family="%s" font-size="%d" font-weight="bold" fill="#16181c" '
         'text-anchor="middle">%s</text>')
    if kind == "dual":
        parts.append(t % (34, cy - 68, FONT, 28, "G2"))
        parts.append(t % (34, cy + 38, FONT, 28, "G1"))
    else:
        parts.append(t % (34, (ys if kind == "jfet" else cy + 40) - 12, FONT, 34, "G"))
    parts.append(t % (194, 44, FONT, 34, "D"))
    parts.append(t % (194, 222, FONT, 34, "S"))
    parts.append('</svg>\n')
    return "\n".join(parts)


# ------------------------------------------------ symbols / structure ---
def sym_svg(pnp):
    s = 240
    col = "#111111"
    cx, cy, r = 132, 120, 72
    bx = 108             # base bar x
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (s, s, s, s),
             '<rect width="%d" height="%d" fill="#ffffff"/>' % (s, s),
             '<g fill="none" stroke="%s" stroke-width="5" stroke-linecap="round" stroke-linejoin="round">' % col,
             '<circle cx="%d" cy="%d" r="%d" fill="#f3f6fa"/>' % (cx, cy, r),
             '<line x1="18" y1="%d" x2="%d" y2="%d"/>' % (cy, bx, cy),
             '<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="9" stroke-linecap="butt"/>' % (bx, cy - 36, bx, cy + 36),
             # collector (top)
             '<polyline points="%d,%d %d,%d %d,%d"/>' % (bx + 2, cy - 16, 158, cy - 46, 158, 16),
             # emitter (bottom)
             '<polyline points="%d,%d %d,%d %d,%d"/>' % (bx + 2, cy + 16, 158, cy + 46, 158, 224),
             '</g>']
    # arrow on the emitter line
    ex0, ey0, ex1, ey1 = bx + 2, cy + 16, 158, cy + 46
    L = math.hypot(ex1 - ex0, ey1 - ey0)
    ux, uy = (ex1 - ex0) / L, (ey1 - ey0) / L
    if pnp:
        tip = (ex0 + ux * 14, ey0 + uy * 14)
        d = (-ux, -uy)
    else:
        tip = (ex0 + ux * (L - 1), ey0 + uy * (L - 1))
        d = (ux, uy)
    al, aw = 24, 11
    bxp, byp = tip[0] - d[0] * al, tip[1] - d[1] * al
    nx, ny = -d[1], d[0]
    parts.append('<polygon points="%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="%s" stroke="%s" '
                 'stroke-width="2" stroke-linejoin="round"/>'
                 % (tip[0], tip[1], bxp + nx * aw, byp + ny * aw, bxp - nx * aw, byp - ny * aw, col, col))
    t = ('<text x="%d" y="%d" font-family="%s" font-size="34" font-weight="bold" fill="#16181c" '
         'text-anchor="middle">%s</text>')
    parts.append(t % (34, cy - 14, FONT, "B"))
    parts.append(t % (190, 44, FONT, "C"))
    parts.append(t % (190, 222, FONT, "E"))
    parts.append('</svg>\n')
    return "\n".join(parts)


def layers_svg(pnp):
    s = 240
    nfill, pfill = "#bcd8f5", "#f7c3c3"
    names = ("P", "N", "P") if pnp else ("N", "P", "N")
    fills = [pfill if n == "P" else nfill for n in names]
    x0, x1 = 62, 172
    ys = [(26, 84), (84, 114), (114, 166)]       # collector, base, emitter
    p = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (s, s, s, s),
         '<rect width="%d" height="%d" fill="#ffffff"/>' % (s, s)]
    # leads
    cxm = (x0 + x1) // 2
    p.append('<g stroke="#111111" stroke-width="5" stroke-linecap="round">')
    p.append('<line x1="%d" y1="4" x2="%d" y2="26"/>' % (cxm, cxm))
    p.append('<line x1="%d" y1="166" x2="%d" y2="190"/>' % (cxm, cxm))
    p.append('<line x1="%d" y1="99" x2="218" y2="99"/>' % x1)
    p.append('</g>')
    for (ya, yb), f in zip(ys, fills):
        p.append('<rect x="%d" y="%d" width="%d" height="%d" fill="%s" stroke="#111111" stroke-width="3"/>'
                 % (x0, ya, x1 - x0, yb - ya, f))
    # terminal dots
    for x, y in ((cxm, 26), (cxm, 166), (x1, 99)):
        p.append('<circle cx="%d" cy="%d" r="5" fill="#111111"/>' % (x, y))
    t = ('<text x="%d" y="%d" font-family="%s" font-size="%d" font-weight="bold" fill="%s" '
         'text-anchor="middle">%s</text>')
    for (ya, yb), n in zip(ys, names):
        size = 30 if yb - ya > 40 else 26
        p.append(t % (cxm, (ya + yb) / 2 + size * 0.36, FONT, size, "#16181c", n))
    p.append(t % (cxm + 24, 24, FONT, 28, "#16181c", "C"))
    p.append(t % (cxm - 24, 194, FONT, 28, "#16181c", "E"))
    p.append(t % (204, 88, FONT, 28, "#16181c", "B"))
    p.append(t % (s // 2, 232, FONT, 32, "#16181c", "PNP" if pnp else "NPN"))
    p.append('</svg>\n')
    return "\n".join(p)


# ----------------------------------------------------- logo / cursor ---
def logo_svg():
    w, h = 99, 61
    o = "#262a30"
    p = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (w, h, w, h),
         '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#dbe6f2"/></linearGradient>'
         '<linearGradient id="b" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#3a86cf"/><stop offset="1" stop-color="#1d4f86"/></linearGradient></defs>',
         '<rect x="0.5" y="0.5" width="98" height="60" rx="7" fill="url(#g)" stroke="#7a8ea6"/>',
         # badge with a transistor symbol
         '<rect x="34.5" y="3.5" width="30" height="30" rx="6" fill="url(#b)" stroke="%s" stroke-width="1.2"/>' % o,
         '<g fill="none" stroke="#ffffff" stroke-width="2" stroke-linecap="round" stroke-linejoin="round">',
         '<circle cx="51" cy="18" r="10"/>',
         '<path d="M38 18 H45 M47 15 L54 11 V5 M47 21 L54 25 V31"/>',
         '</g>',
         '<line x1="46" y1="12" x2="46" y2="24" stroke="#ffffff" stroke-width="2"/>',
         '<path d="M54.6 25.4 L48.8 24.9 L51.4 20.4 Z" fill="#ffffff"/>',
         '<text x="49.5" y="53" font-family="%s" font-size="17" font-weight="bold" fill="#1d3f66" '
         'text-anchor="middle" letter-spacing="0.3">Kondrix</text>' % FONT,
         '</svg>\n']
    return "\n".join(p)


def cursor_svg():
    p = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
         # handle
         '<line x1="18.5" y1="18.5" x2="28" y2="28" stroke="#000000" stroke-width="6.5" stroke-linecap="round"/>',
         '<line x1="18.8" y1="18.8" x2="27.6" y2="27.6" stroke="#ffffff" stroke-width="3" stroke-linecap="round"/>',
         # lens
         '<circle cx="12" cy="12" r="8.6" fill="#ffffff" fill-opacity="0.85" stroke="#000000" stroke-width="2.4"/>',
         '<circle cx="12" cy="12" r="10.3" fill="none" stroke="#ffffff" stroke-width="1.1"/>',
         '<circle cx="12" cy="12" r="7.0" fill="none" stroke="#ffffff" stroke-width="0.9"/>',
         # plus sign
         '<path d="M12 8 V16 M8 12 H16" stroke="#000000" stroke-width="2" stroke-linecap="square"/>',
         '</svg>\n']
    return "\n".join(p)


PACKAGES = {
    "TO1": to1, "TO3": to3, "TO5": to5, "TO18": to18, "TO39": to39, "TO66": to66,
    "TO72": to72, "TO92": to92, "TO126": lambda: to126("TO-126"), "TO202": to202,
    "TO218": to218, "TO220": to220, "TO247": to247, "TO3P": to3p,
    "SOT23": sot23, "SOT32": lambda: to126("SOT-32"), "SOT89": sot89,
    "SOT223": sot223, "SOT323": sot323, "SOT93": sot93,
    "TO220F": to220f, "TO262": to262, "IPAK": ipak, "DPAK": dpak, "D2PAK": d2pak,
    "SO8": so8, "SOT143": sot143,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "svg")
    os.makedirs(out, exist_ok=True)
    files = {"npn.svg": sym_svg(False), "pnp.svg": sym_svg(True),
             "npn1.svg": layers_svg(False), "pnp1.svg": layers_svg(True),
             "nmos.svg": fet_svg("mos", False), "pmos.svg": fet_svg("mos", True),
             "njfet.svg": fet_svg("jfet", False), "pjfet.svg": fet_svg("jfet", True),
             "nmos2g.svg": fet_svg("dual", False),
             "logo.svg": logo_svg(), "zoom_cursor.svg": cursor_svg()}
    for name, fn in PACKAGES.items():
        files["tok_%s.svg" % name] = fn()
    for name, text in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
