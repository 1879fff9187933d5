#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources for the Kondrix toolbar icons, application icon,
About window pictures and the transformer settings button.

Usage: gen_svg.py OUTDIR
All drawings are flat colours with dark outlines, designed on a 32 unit grid
(64 for the application icon) so they stay readable at their final size.
"""
import math
import os
import random
import sys

OL = "#262a30"      # outline colour
SW = 1.75           # outline width
FONT = "DejaVu Sans"
FONT_C = "DejaVu Sans Condensed"

METAL = "#c7ccd3"
METAL_HI = "#eef0f3"
TAN = "#e2c08a"
COPPER = "#d98a3d"
RED = "#e0443c"
BLUE = "#2f7fd8"
GREEN = "#37a55a"
BLACKBODY = "#34373d"


def svg(w, h, body, extra_defs=""):
    defs = f"<defs>{extra_defs}</defs>" if extra_defs else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">{defs}{body}</svg>\n')


def icon(body, defs=""):
    return svg(32, 32, body, defs)


def lead(x1, y1, x2, y2, w=1.6):
    """A metal wire with a dark outline."""
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{OL}" '
            f'stroke-width="{w + 1.6}" stroke-linecap="round"/>'
            f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{METAL}" '
            f'stroke-width="{w}" stroke-linecap="round"/>')


def rect(x, y, w, h, fill, rx=0, sw=SW, stroke=OL, extra=""):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" '
            f'fill="{fill}" stroke="{stroke}" stroke-width="{sw}" '
            f'stroke-linejoin="round" {extra}/>')


def text(x, y, s, size, fill, family=FONT, weight="bold", anchor="middle",
         extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" '
            f'{extra}>{s}</text>')


# ---------------------------------------------------------------- icons ---

def i01_exit():
    return icon(
        f'<circle cx="16" cy="16" r="13.6" fill="{RED}" stroke="{OL}" stroke-width="{SW}"/>'
        '<circle cx="16" cy="16" r="11.2" fill="none" stroke="#f07a72" stroke-width="1"/>'
        '<path d="M11.3 10.6 A7.4 7.4 0 1 0 20.7 10.6" fill="none" stroke="#fff" '
        'stroke-width="3" stroke-linecap="round"/>'
        '<line x1="16" y1="6.8" x2="16" y2="15.2" stroke="#fff" stroke-width="3" '
        'stroke-linecap="round"/>')


def transformer(ox=0, oy=0, s=1.0):
    """EI core with two windings, drawn in a 32 box."""
    core = "#8d96a3"
    g = [f'<g transform="translate({ox} {oy}) scale({s})">']
    # core frame with window
    g.append(f'<path d="M4 5 H28 V27 H4 Z M10 11 V21 H22 V11 Z" fill="{core}" '
             f'fill-rule="evenodd" stroke="{OL}" stroke-width="{SW}" stroke-linejoin="round"/>')
    # lamination seam (the I bar)
    g.append(f'<line x1="4.8" y1="8.2" x2="27.2" y2="8.2" stroke="#5d6570" stroke-width="1"/>')
    # windings on both legs
    for x, col, dark in ((1.5, COPPER, "#9c5a1f"), (20.5, "#d24b3e", "#8e2a22")):
        g.append(rect(x, 9.5, 10, 13, col, rx=2))
        for yy in (12.5, 15.5, 18.5):
            g.append(f'<line x1="{x + 1.2}" y1="{yy}" x2="{x + 8.8}" y2="{yy}" '
                     f'stroke="{dark}" stroke-width="1.1"/>')
    g.append('</g>')
    return "".join(g)


def i02_trafo():
    return icon(transformer())


def i03_transistor():
    return icon(
        f'<circle cx="16.5" cy="16" r="13.4" fill="#dcebfb" stroke="{OL}" stroke-width="{SW}"/>'
        f'<line x1="2" y1="16" x2="12" y2="16" stroke="{OL}" stroke-width="2"/>'
        f'<line x1="12.2" y1="8.5" x2="12.2" y2="23.5" stroke="{OL}" stroke-width="3"/>'
        f'<path d="M12.6 13 L20.5 7.6 V1.8" fill="none" stroke="{OL}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M12.6 19 L20.5 24.4 V30.2" fill="none" stroke="{OL}" stroke-width="2" stroke-linejoin="round"/>'
        # emitter arrow
        f'<path d="M21.2 24.9 L14.9 23.6 L17.9 19.2 Z" fill="{OL}" stroke="{OL}" '
        f'stroke-width="0.8" stroke-linejoin="round"/>')


def i04_diode():
    return icon(
        lead(1.5, 16, 30.5, 16) +
        rect(6, 9.5, 20, 13, BLACKBODY, rx=3) +
        '<rect x="7.5" y="11.1" width="17" height="2.2" rx="1.1" fill="#5b6069"/>' +
        f'<rect x="18.8" y="10.4" width="3.8" height="11.2" fill="{METAL}"/>' +
        '<rect x="18.8" y="11.1" width="3.8" height="2.2" fill="#f4f5f7"/>' +
        rect(6, 9.5, 20, 13, "none", rx=3))


def resistor_body(cx, cy, length, h, bands, body=TAN):
    """Dog-bone resistor body centred at (cx, cy), horizontal."""
    x0 = cx - length / 2
    x1 = cx + length / 2
    e = h * 0.5          # end cap half-height
    m = h * 0.38         # waist half-height
    cap = length * 0.22
    d = (f'M{x0 + 2} {cy - e} H{x0 + cap - 1} '
         f'Q{x0 + cap + 1} {cy - e} {x0 + cap + 1.5} {cy - m} '
         f'H{x1 - cap - 1.5} '
         f'Q{x1 - cap - 1} {cy - e} {x1 - cap + 1} {cy - e} '
         f'H{x1 - 2} Q{x1} {cy - e} {x1} {cy - e + 2} V{cy + e - 2} '
         f'Q{x1} {cy + e} {x1 - 2} {cy + e} H{x1 - cap + 1} '
         f'Q{x1 - cap - 1} {cy + e} {x1 - cap - 1.5} {cy + m} '
         f'H{x0 + cap + 1.5} '
         f'Q{x0 + cap + 1} {cy + e} {x0 + cap - 1} {cy + e} '
         f'H{x0 + 2} Q{x0} {cy + e} {x0} {cy + e - 2} V{cy - e + 2} '
         f'Q{x0} {cy - e} {x0 + 2} {cy - e} Z')
    out = [f'<path d="{d}" fill="{body}"/>']
    # bands (x positions relative to length)
    bw = length * 0.085
    for frac, col in bands:
        bx = x0 + length * frac - bw / 2
        hh = e if (frac < 0.24 or frac > 0.76) else m
        out.append(f'<rect x="{bx:.2f}" y="{cy - hh:.2f}" width="{bw:.2f}" '
                   f'height="{2 * hh:.2f}" fill="{col}"/>')
    # highlight
    out.append(f'<rect x="{x0 + 1.5}" y="{cy - e + 1.1}" width="{length - 3}" '
               f'height="1.3" rx="0.65" fill="#ffffff" opacity="0.35"/>')
    out.append(f'<path d="{d}" fill="none" stroke="{OL}" stroke-width="{SW}" '
               'stroke-linejoin="round"/>')
    return "".join(out)


def i05_resistor():
    bands = [(0.16, "#7a3e12"), (0.36, "#111111"), (0.52, "#f08a1c"),
             (0.84, "#d7a830")]
    return icon(lead(1.5, 16, 30.5, 16) +
                resistor_body(16, 16, 27, 14, bands))


def i06_convert():
    return icon(
        rect(2, 2, 28, 28, "#ffffff", rx=4) +
        '<path d="M3 16 H29 V26 A3 3 0 0 1 26 29 H6 A3 3 0 0 1 3 26 Z" fill="#dff3e4"/>'
        '<path d="M3 16 H29 V6 A3 3 0 0 0 26 3 H6 A3 3 0 0 0 3 6 Z" fill="#dcebfb"/>' +
        rect(2, 2, 28, 28, "none", rx=4) +
        f'<line x1="2.8" y1="16" x2="29.2" y2="16" stroke="{OL}" stroke-width="1"/>' +
        text(16, 13.6, "01", 12, "#1d5fb0") +
        text(16, 27.4, "A9", 12, "#1f7a3c"))


def i07_lc():
    # coil: loops on the left branch
    coil = []
    d = "M9 8.5"
    for k in range(4):
        y0 = 8.5 + k * 3.75
        d += f" C14.5 {y0 + 0.2} 14.5 {y0 + 3.55} 9 {y0 + 3.75}"
    coil.append(f'<path d="{d}" fill="none" stroke="{OL}" stroke-width="4.8" stroke-linecap="round"/>')
    coil.append(f'<path d="{d}" fill="none" stroke="{COPPER}" stroke-width="2.6" stroke-linecap="round"/>')
    wires = (f'<path d="M9 8.5 V4 H24 V13.2 M24 18.8 V28 H9 V23.5" fill="none" '
             f'stroke="{OL}" stroke-width="{SW}" stroke-linejoin="round" stroke-linecap="round"/>')
    cap = (rect(18, 12, 12, 2.4, BLUE, rx=0.6, sw=1.3) +
           rect(18, 17.6, 12, 2.4, BLUE, rx=0.6, sw=1.3))
    dots = (f'<circle cx="16.5" cy="4" r="1.8" fill="{OL}"/>'
            f'<circle cx="16.5" cy="28" r="1.8" fill="{OL}"/>')
    return icon(wires + "".join(coil) + cap + dots)


def i08_divider():
    out = []
    out.append(f'<path d="M13 3.5 V27.5" stroke="{OL}" stroke-width="{SW}" fill="none"/>')
    out.append(rect(8.8, 5.6, 8.4, 8.6, TAN, rx=1))
    out.append(rect(8.8, 17.8, 8.4, 8.6, TAN, rx=1))
    # supply terminal
    out.append(f'<circle cx="13" cy="3" r="2.3" fill="{RED}" stroke="{OL}" stroke-width="1.3"/>')
    # ground
    out.append(f'<path d="M8.5 28 H17.5 M10.3 30 H15.7" stroke="{OL}" stroke-width="{SW}" '
               'stroke-linecap="round"/>')
    # tap arrow
    out.append(f'<circle cx="13" cy="16" r="2" fill="{OL}"/>')
    out.append(f'<path d="M13 16 H26" stroke="{OL}" stroke-width="4.2" stroke-linecap="round"/>')
    out.append(f'<path d="M13 16 H26" stroke="{GREEN}" stroke-width="2" stroke-linecap="round"/>')
    out.append(f'<path d="M24 10.5 L31 16 L24 21.5 Z" fill="{GREEN}" stroke="{OL}" '
               'stroke-width="1.4" stroke-linejoin="round"/>')
    return icon("".join(out))


def i09_about():
    return icon(
        f'<circle cx="16" cy="16" r="13.6" fill="{BLUE}" stroke="{OL}" stroke-width="{SW}"/>'
        '<circle cx="16" cy="16" r="11.2" fill="none" stroke="#6fa9ec" stroke-width="1"/>'
        '<circle cx="16" cy="9" r="2.4" fill="#fff"/>'
        '<path d="M12.6 13.2 H17.9 V21.8 H19.6 V24.6 H12.6 V21.8 H14.3 V16 H12.6 Z" fill="#fff"/>')


def i10_help():
    return icon(
        f'<circle cx="16" cy="16" r="13.6" fill="{GREEN}" stroke="{OL}" stroke-width="{SW}"/>'
        '<circle cx="16" cy="16" r="11.2" fill="none" stroke="#7fd197" stroke-width="1"/>'
        '<path d="M11.4 12.2 C11.4 6.6 20.8 6.6 20.8 11.8 C20.8 15.6 16.2 15.2 16.2 19.2" '
        'fill="none" stroke="#fff" stroke-width="3.2" stroke-linecap="round" stroke-linejoin="round"/>'
        '<circle cx="16.2" cy="23.9" r="2.1" fill="#fff"/>')


def i11_dict():
    out = []
    # pages edge
    out.append(rect(7, 3.5, 22, 26, "#f6f1e4", rx=2))
    for yy in (8, 12, 16, 20, 24):
        out.append(f'<line x1="26.5" y1="{yy}" x2="28" y2="{yy}" stroke="#b8ad93" stroke-width="0.8"/>')
    # cover
    out.append(rect(3.5, 2.5, 22, 27, "#8a5a2e", rx=2))
    out.append(f'<rect x="4.4" y="3.4" width="3" height="25.2" fill="#6b4320"/>')
    # flags: HU, EN (simplified union flag), DE
    fx, fw, fh = 10, 13, 6.4
    ys = (5, 12.8, 20.6)
    hu = ("#ce2939", "#ffffff", "#3a8a3f")
    de = ("#1b1b1b", "#dd1f26", "#ffce00")
    for col, y in ((hu, ys[0]), (de, ys[2])):
        for k in range(3):
            out.append(f'<rect x="{fx}" y="{y + k * fh / 3:.2f}" width="{fw}" '
                       f'height="{fh / 3 + 0.05:.2f}" fill="{col[k]}"/>')
        out.append(rect(fx, y, fw, fh, "none", sw=1))
    y = ys[1]
    out.append(f'<clipPath id="uk"><rect x="{fx}" y="{y}" width="{fw}" height="{fh}"/></clipPath>')
    out.append(f'<g clip-path="url(#uk)"><rect x="{fx}" y="{y}" width="{fw}" height="{fh}" fill="#244a9a"/>'
               f'<path d="M{fx} {y} L{fx + fw} {y + fh} M{fx + fw} {y} L{fx} {y + fh}" '
               'stroke="#fff" stroke-width="1.6"/>'
               f'<path d="M{fx} {y} L{fx + fw} {y + fh} M{fx + fw} {y} L{fx} {y + fh}" '
               'stroke="#d21f2b" stroke-width="0.6"/>'
               f'<path d="M{fx + fw / 2} {y} V{y + fh} M{fx} {y + fh / 2} H{fx + fw}" '
               'stroke="#fff" stroke-width="2.4"/>'
               f'<path d="M{fx + fw / 2} {y} V{y + fh} M{fx} {y + fh / 2} H{fx + fw}" '
               'stroke="#d21f2b" stroke-width="1.2"/></g>')
    out.append(rect(fx, y, fw, fh, "none", sw=1))
    return icon("".join(out))


def i12_sot23():
    out = []
    for x, y, w, h in ((8.5, 21, 4.6, 7.5), (18.9, 21, 4.6, 7.5), (13.7, 3.5, 4.6, 7.5)):
        out.append(rect(x, y, w, h, METAL, rx=0.8, sw=1.4))
    out.append(rect(5, 9, 22, 14, BLACKBODY, rx=1.6))
    out.append('<rect x="6.6" y="10.5" width="18.8" height="1.4" rx="0.7" fill="#5b6069"/>')
    out.append(text(16, 20.2, "1AM", 7.5, "#e9ecef", family=FONT_C))
    return icon("".join(out))


def i13_smd():
    out = []
    for k in range(4):
        x = 7.2 + k * 5
        out.append(rect(x, 3, 2.8, 6, METAL, rx=0.5, sw=1.2))
        out.append(rect(x, 23, 2.8, 6, METAL, rx=0.5, sw=1.2))
    out.append(rect(3.5, 8, 25, 16, BLACKBODY, rx=1.6))
    out.append('<circle cx="7.2" cy="20.2" r="1.3" fill="#6b7079"/>')
    out.append(text(16.8, 19.6, "SMD", 8.6, "#f1f3f5", family=FONT_C))
    return icon("".join(out))


def i14_chipres():
    out = []
    out.append(rect(2.5, 9.5, 27, 13, METAL, rx=1.5))
    out.append(f'<rect x="7.2" y="9.5" width="17.6" height="13" fill="{BLACKBODY}"/>')
    out.append(f'<rect x="3.3" y="10.5" width="3.4" height="1.6" rx="0.8" fill="{METAL_HI}"/>')
    out.append(f'<rect x="25.3" y="10.5" width="3.4" height="1.6" rx="0.8" fill="{METAL_HI}"/>')
    out.append(f'<line x1="7.2" y1="9.5" x2="7.2" y2="22.5" stroke="{OL}" stroke-width="1.2"/>')
    out.append(f'<line x1="24.8" y1="9.5" x2="24.8" y2="22.5" stroke="{OL}" stroke-width="1.2"/>')
    out.append(rect(2.5, 9.5, 27, 13, "none", rx=1.5))
    out.append(text(16, 19.6, "103", 8.8, "#f4f5f7", family=FONT_C))
    return icon("".join(out))


def i15_meter():
    out = []
    out.append(rect(5.5, 1.5, 21, 29, "#f2c230", rx=3.5))
    out.append(rect(8.5, 4.5, 15, 8, "#bfe0b4", rx=1, sw=1.3))
    out.append(text(16, 11.3, "8.8", 7.2, "#1f3520", family=FONT_C))
    out.append(f'<circle cx="16" cy="19.2" r="4.9" fill="#3b3f46" stroke="{OL}" stroke-width="1.3"/>')
    out.append('<line x1="16" y1="19.2" x2="18.6" y2="15.6" stroke="#fff" stroke-width="1.6" stroke-linecap="round"/>')
    out.append(f'<circle cx="11.3" cy="27" r="1.9" fill="{BLACKBODY}" stroke="{OL}" stroke-width="1"/>')
    out.append(f'<circle cx="20.7" cy="27" r="1.9" fill="{RED}" stroke="{OL}" stroke-width="1"/>')
    return icon("".join(out))


def i16_ceramic():
    out = [lead(12, 19, 11, 30.5), lead(20, 19, 21, 30.5)]
    out.append(f'<ellipse cx="16" cy="12.5" rx="12.2" ry="10.5" fill="#c8692a" '
               f'stroke="{OL}" stroke-width="{SW}"/>')
    out.append('<ellipse cx="12.5" cy="7.6" rx="5" ry="2" fill="#e89a5d" opacity="0.8"/>')
    out.append(text(16, 16.3, "104", 8.4, "#3a1c08", family=FONT_C))
    return icon("".join(out))


def i17_elko():
    out = [lead(12.5, 24, 12.5, 30.5), lead(19.5, 24, 19.5, 30.5)]
    body = "#2d58a3"
    out.append(rect(7.5, 2, 17, 23, body, rx=2.5))
    out.append('<rect x="8.6" y="3.4" width="14.8" height="2" fill="#5d86cc"/>')
    out.append('<rect x="9.6" y="7" width="2.2" height="16" rx="1.1" fill="#ffffff" opacity="0.25"/>')
    out.append(f'<rect x="17.6" y="5.4" width="5.8" height="18.8" fill="#d3dbe8"/>')
    for yy in (10, 15.5, 21):
        out.append(f'<line x1="18.9" y1="{yy}" x2="22.1" y2="{yy}" stroke="{OL}" stroke-width="1.6"/>')
    out.append(f'<line x1="8.3" y1="5.4" x2="23.7" y2="5.4" stroke="{OL}" stroke-width="1"/>')
    out.append(rect(7.5, 2, 17, 23, "none", rx=2.5))
    return icon("".join(out))


# ----------------------------------------------------- application icon ---

def app_icon():
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#3a86cf"/><stop offset="1" stop-color="#1d4f86"/>'
            '</linearGradient>')
    out = []
    out.append(f'<rect x="2.5" y="2.5" width="59" height="59" rx="12" fill="url(#bg)" '
               f'stroke="{OL}" stroke-width="2.5"/>')
    out.append('<rect x="5" y="5" width="54" height="27" rx="10" fill="#ffffff" opacity="0.10"/>')
    # transistor symbol: white strokes with a dark rim
    sym = ('<circle cx="37" cy="27" r="18" fill="none"/>'
           '<path d="M10 27 H30 M31 22 L42 15 V5 M31 32 L42 39 V50" fill="none"/>')
    for col, wd in ((OL, 6.2), ("#ffffff", 3.2)):
        out.append(f'<g stroke="{col}" stroke-width="{wd}" stroke-linejoin="round" '
                   f'stroke-linecap="round">{sym}</g>')
    for col, wd in ((OL, 7.6), ("#ffffff", 4.6)):
        out.append(f'<line x1="30" y1="17" x2="30" y2="37" stroke="{col}" '
                   f'stroke-width="{wd}" stroke-linecap="round"/>')
    out.append(f'<path d="M44 40.6 L34.2 39.6 L38.6 32.8 Z" fill="#ffffff" stroke="{OL}" '
               'stroke-width="1.5" stroke-linejoin="round"/>')
    # resistor crossing the symbol diagonally in the lower left
    bands = [(0.16, "#7a3e12"), (0.36, "#111111"), (0.52, "#d8282a"),
             (0.84, "#d7a830")]
    out.append('<g transform="rotate(-45 20 42)">')
    out.append(f'<line x1="-2" y1="42" x2="38" y2="42" stroke="{OL}" stroke-width="5" stroke-linecap="round"/>')
    out.append(f'<line x1="-2" y1="42" x2="38" y2="42" stroke="{METAL}" stroke-width="2.4" stroke-linecap="round"/>')
    out.append(resistor_body(20, 42, 30, 14, bands))
    out.append('</g>')
    return svg(64, 64, "".join(out), defs)


# ------------------------------------------------------ settings button ---

def gear_path(cx, cy, r_out, r_in, teeth, hole):
    pts = []
    n = teeth * 4
    for i in range(n):
        a = 2 * math.pi * i / n - math.pi / 2
        r = r_out if (i % 4) in (1, 2) else r_in
        # widen teeth slightly at the root
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in pts) + " Z"
    d += (f" M{cx + hole} {cy} A{hole} {hole} 0 1 0 {cx - hole} {cy} "
          f"A{hole} {hole} 0 1 0 {cx + hole} {cy} Z")
    return d


def trafo_settings():
    out = [transformer(-1, -1, 0.78)]
    d = gear_path(22.5, 22.5, 9, 6.6, 8, 2.6)
    out.append(f'<path d="{d}" fill="#6d7683" fill-rule="evenodd" stroke="{OL}" '
               f'stroke-width="1.5" stroke-linejoin="round"/>')
    out.append('<circle cx="22.5" cy="22.5" r="4.6" fill="none" stroke="#9aa3ae" stroke-width="1.2"/>')
    return icon("".join(out))


# ---------------------------------------------------- about background ---

def about_bg():
    W, H = 377, 265
    rnd = random.Random(1997)
    defs = ('<linearGradient id="g" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#f7fafc"/><stop offset="1" stop-color="#e9f0f6"/>'
            '</linearGradient>')
    out = [f'<rect width="{W}" height="{H}" fill="url(#g)"/>']
    trace = "#dde7f0"
    pad = "#d5e1ec"
    step = 16
    paths = []
    pads = []
    for _ in range(26):
        x = rnd.randrange(0, W // step + 1) * step
        y = rnd.randrange(0, H // step + 1) * step
        d = f"M{x} {y}"
        pads.append((x, y))
        for _seg in range(rnd.randint(2, 4)):
            dirn = rnd.choice(((1, 0), (0, 1), (-1, 0), (0, -1), (1, 1), (1, -1),
                               (-1, 1), (-1, -1)))
            ln = rnd.randint(2, 6) * step
            x += dirn[0] * ln
            y += dirn[1] * ln
            d += f" L{x} {y}"
        pads.append((x, y))
        paths.append(d)
    for d in paths:
        out.append(f'<path d="{d}" fill="none" stroke="{trace}" stroke-width="2.2" '
                   'stroke-linejoin="round" stroke-linecap="round"/>')
    for x, y in pads:
        out.append(f'<circle cx="{x}" cy="{y}" r="4" fill="{pad}"/>'
                   f'<circle cx="{x}" cy="{y}" r="1.6" fill="#f3f7fa"/>')
    # faint sine across the lower part
    pts = []
    for i in range(0, W + 1, 3):
        pts.append(f"{i},{H - 40 + 14 * math.sin(i / W * 4 * math.pi):.1f}")
    out.append(f'<polyline points="{" ".join(pts)}" fill="none" stroke="#d6e4f1" '
               'stroke-width="2.5"/>')
    # soft veil to keep everything calm
    out.append(f'<rect width="{W}" height="{H}" fill="#ffffff" opacity="0.25"/>')
    return svg(W, H, "".join(out), defs)


# ------------------------------------------------------- about strip ---

def about_strip():
    FW, FH, N = 68, 55, 9
    out = [f'<rect width="{FW * N}" height="{FH}" fill="#ffffff"/>']
    defs = []
    # screen geometry inside a frame (content kept inside x 6..66 so the
    # extra 4 px that a 72 px window shows from the next frame stays white)
    sx, sy, sw, sh = 11, 6, 50, 43
    for f in range(N):
        ox = f * FW
        defs.append(f'<clipPath id="c{f}"><rect x="{ox + sx}" y="{sy}" width="{sw}" '
                    f'height="{sh}" rx="3"/></clipPath>')
        g = [f'<rect x="{ox + 7}" y="2" width="58" height="51" rx="6" fill="#59616c" '
             f'stroke="{OL}" stroke-width="1.5"/>',
             f'<rect x="{ox + sx}" y="{sy}" width="{sw}" height="{sh}" rx="3" fill="#0e2a1b" '
             f'stroke="#1b1f24" stroke-width="1"/>']
        grid = []
        for k in range(1, 5):
            gx = ox + sx + k * sw / 5
            grid.append(f"M{gx:.1f} {sy} V{sy + sh}")
        for k in range(1, 4):
            gy = sy + k * sh / 4
            grid.append(f"M{ox + sx} {gy:.1f} H{ox + sx + sw}")
        g.append(f'<path d="{" ".join(grid)}" stroke="#23503a" stroke-width="0.8"/>')
        # sine: one full period across the screen, shifting by 1/9 per frame
        pts = []
        phase = 2 * math.pi * f / N
        for i in range(0, sw * 4 + 1):
            x = sx + i / 4
            y = sy + sh / 2 - 14 * math.sin(2 * math.pi * (i / 4) / sw - phase)
            pts.append(f"{ox + x:.2f},{y:.2f}")
        p = " ".join(pts)
        g.append(f'<g clip-path="url(#c{f})">'
                 f'<polyline points="{p}" fill="none" stroke="#3cff7a" stroke-width="4.5" '
                 'opacity="0.25" stroke-linejoin="round"/>'
                 f'<polyline points="{p}" fill="none" stroke="#8dffb0" stroke-width="1.8" '
                 'stroke-linejoin="round"/></g>')
        # glass highlight
        g.append(f'<rect x="{ox + sx + 2}" y="{sy + 2}" width="{sw - 4}" height="5" rx="2.5" '
                 'fill="#ffffff" opacity="0.07"/>')
        out.append("".join(g))
    return svg(FW * N, FH, "".join(out), "".join(defs))


# ---------------------------------------------------------------- main ---

ICONS = [i01_exit, i02_trafo, i03_transistor, i04_diode, i05_resistor,
         i06_convert, i07_lc, i08_divider, i09_about, i10_help, i11_dict,
         i12_sot23, i13_smd, i14_chipres, i15_meter, i16_ceramic, i17_elko]


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else "svg"
    os.makedirs(outdir, exist_ok=True)
    files = {f"icon_{n:02d}.svg": fn() for n, fn in enumerate(ICONS, 1)}
    files["kondrix.svg"] = app_icon()
    files["trafo_settings.svg"] = trafo_settings()
    files["about_bg.svg"] = about_bg()
    files["about_strip.svg"] = about_strip()
    for name, data in files.items():
        with open(os.path.join(outdir, name), "w", encoding="utf-8") as fh:
            fh.write(data)


if __name__ == "__main__":
    main()
