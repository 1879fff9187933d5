#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources for the diode catalog and dictionary pictures of
Kondrix: the three flags, the seven animation frames per language, the flag
mouse pointer and the diode window's decoration.

Usage: gen_svg.py OUTDIR
"""
import math
import os
import sys

FONT = "DejaVu Sans"


def svg(w, h, body, extra=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d" %s>\n%s\n</svg>\n' % (w, h, w, h, extra, body))


# ------------------------------------------------------------- flags ---
def flag_hu(w, h):
    s = h / 3.0
    return ('<rect width="%g" height="%g" fill="#cd2a3e"/>'
            '<rect y="%g" width="%g" height="%g" fill="#ffffff"/>'
            '<rect y="%g" width="%g" height="%g" fill="#436f4d"/>'
            % (w, s, s, w, s, 2 * s, w, h - 2 * s))


def flag_de(w, h):
    s = h / 3.0
    return ('<rect width="%g" height="%g" fill="#000000"/>'
            '<rect y="%g" width="%g" height="%g" fill="#dd0000"/>'
            '<rect y="%g" width="%g" height="%g" fill="#ffce00"/>'
            % (w, s, s, w, s, 2 * s, w, h - 2 * s))


def flag_en(w, h, uid):
    # Union flag on a 60 x 30 grid, stretched to w x h; the red diagonals are
    # counterchanged by clipping each to its own triangles.
    return (
        '<svg x="0" y="0" width="%g" height="%g" viewBox="0 0 60 30" preserveAspectRatio="none">'
        '<clipPath id="t%s"><path d="M30,15 h30 v15 z v15 h-30 z h-30 v-15 z v-15 h30 z"/></clipPath>'
        '<rect width="60" height="30" fill="#012169"/>'
        '<path d="M0,0 L60,30 M60,0 L0,30" stroke="#ffffff" stroke-width="6"/>'
        '<path d="M0,0 L60,30 M60,0 L0,30" clip-path="url(#t%s)" stroke="#c8102e" stroke-width="4"/>'
        '<path d="M30,0 v30 M0,15 h60" stroke="#ffffff" stroke-width="10"/>'
        '<path d="M30,0 v30 M0,15 h60" stroke="#c8102e" stroke-width="6"/>'
        '</svg>' % (w, h, uid, uid))


def flag_body(lang, w, h, uid="f"):
    if lang == "hu":
        return flag_hu(w, h)
    if lang == "de":
        return flag_de(w, h)
    return flag_en(w, h, uid)


def flag_file(lang):
    w, h = 120, 90
    # a gentle sheen over the cloth, a thin dark edge
    sheen = ('<linearGradient id="g" x1="0" y1="0" x2="1" y2="1">'
             '<stop offset="0" stop-color="#ffffff" stop-opacity="0.22"/>'
             '<stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>'
             '<stop offset="1" stop-color="#000000" stop-opacity="0.16"/></linearGradient>')
    body = ('<defs>%s</defs>%s<rect width="%d" height="%d" fill="url(#g)"/>'
            '<rect x="0.75" y="0.75" width="%g" height="%g" fill="none" stroke="#2a2d33" stroke-width="1.5"/>'
            % (sheen, flag_body(lang, w, h), w, h, w - 1.5, h - 1.5))
    return svg(w, h, body)


# --------------------------------------------------------- animation ---
# An open dictionary; a magnifying glass walks over the right-hand page in
# seven steps; the left page carries the language's flag and a big letter.
LETTER = {"hu": "\u0150", "en": "W", "de": "\u00c4"}
WORD = {"hu": "Sz\u00f3t\u00e1r", "en": "Words", "de": "W\u00f6rter"}


def anim_file(lang, step):
    w, h = 146, 114
    out = ['<defs>'
           '<linearGradient id="pg" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#f7f3e6"/><stop offset="0.85" stop-color="#fffdf6"/>'
           '<stop offset="1" stop-color="#e3dcc6"/></linearGradient>'
           '<linearGradient id="pg2" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#e3dcc6"/><stop offset="0.15" stop-color="#fffdf6"/>'
           '<stop offset="1" stop-color="#f7f3e6"/></linearGradient>'
           '<radialGradient id="lens" cx="0.4" cy="0.35" r="0.7">'
           '<stop offset="0" stop-color="#ffffff" stop-opacity="0.85"/>'
           '<stop offset="1" stop-color="#bfe0ff" stop-opacity="0.55"/></radialGradient>'
           '</defs>']
    out.append('<rect width="%d" height="%d" fill="#eef2f7"/>' % (w, h))
    # cover and pages
    out.append('<path d="M6,24 L73,30 L140,24 L140,104 L73,110 L6,104 Z" fill="#7a2430"/>')
    out.append('<path d="M10,20 Q40,14 72,24 L72,104 Q40,94 10,100 Z" fill="url(#pg)" stroke="#9d9276" stroke-width="0.8"/>')
    out.append('<path d="M74,24 Q106,14 136,20 L136,100 Q106,94 74,104 Z" fill="url(#pg2)" stroke="#9d9276" stroke-width="0.8"/>')
    # left page: flag and letter
    out.append('<g transform="translate(18,30) skewY(-4)">%s'
               '<rect width="44" height="28" fill="none" stroke="#444" stroke-width="0.8"/></g>'
               % ('<svg width="44" height="28">%s</svg>' % flag_body(lang, 44, 28, "a%d" % step)))
    out.append('<text x="40" y="88" font-family="%s" font-size="22" font-weight="bold" '
               'text-anchor="middle" fill="#2b3b55">%s</text>' % (FONT, LETTER[lang]))
    # right page: text lines
    for i in range(7):
        y = 32 + i * 9.5
        length = 48 - (i * 7) % 17
        out.append('<line x1="82" y1="%g" x2="%g" y2="%g" stroke="#7c8799" stroke-width="2.2" '
                   'stroke-linecap="round"/>' % (y - 0.8 * (i % 2), 82 + length, y - 1.5))
    out.append('<text x="105" y="100" font-family="%s" font-size="9" font-style="italic" '
               'text-anchor="middle" fill="#5a3a20">%s</text>' % (FONT, WORD[lang]))
    # the magnifying glass: a loop over the page
    a = 2 * math.pi * (step - 1) / 7.0
    cx = 106 + 16 * math.cos(a)
    cy = 56 + 14 * math.sin(a)
    hx, hy = cx + 14, cy + 14
    out.append('<line x1="%g" y1="%g" x2="%g" y2="%g" stroke="#3b2a1a" stroke-width="6" '
               'stroke-linecap="round"/>' % (hx - 3, hy - 3, hx + 12, hy + 12))
    out.append('<circle cx="%g" cy="%g" r="13" fill="url(#lens)" stroke="#55585e" stroke-width="3"/>' % (cx, cy))
    out.append('<text x="%g" y="%g" font-family="%s" font-size="13" font-weight="bold" '
               'text-anchor="middle" fill="#1d2a44">%s</text>' % (cx, cy + 5, FONT, LETTER[lang]))
    out.append('<path d="M%g,%g a9,9 0 0 1 8,-4" fill="none" stroke="#ffffff" stroke-width="2" '
               'stroke-linecap="round"/>' % (cx - 8, cy - 4))
    return svg(w, h, "\n".join(out))


# ----------------------------------------------------------- pointer ---
def pointer_file():
    # An arrow with a small flag on a pole: "choose the language".
    body = ('<path d="M2,2 L2,22 L7,17 L11,26 L14,24.5 L10,16 L17,16 Z" fill="#ffffff" '
            'stroke="#000000" stroke-width="1.2" stroke-linejoin="round"/>'
            '<line x1="19" y1="13" x2="19" y2="31" stroke="#3a3a3a" stroke-width="1.6"/>'
            '<path d="M19.8,13 L31,15.5 L19.8,19 Z" fill="#cd2a3e" stroke="#5a0f18" stroke-width="0.8"/>')
    return svg(32, 32, body)


# ----------------------------------------------------- diode picture ---
def diode_file():
    w, h = 406, 170
    out = ['<defs>'
           '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#f4f7fb"/><stop offset="1" stop-color="#d9e2ee"/></linearGradient>'
           '<linearGradient id="body" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#5b5e66"/><stop offset="0.35" stop-color="#25272c"/>'
           '<stop offset="1" stop-color="#0e0f12"/></linearGradient>'
           '<linearGradient id="band" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#f2f3f5"/><stop offset="0.4" stop-color="#b9bcc2"/>'
           '<stop offset="1" stop-color="#80848c"/></linearGradient>'
           '<linearGradient id="lead" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#eceef1"/><stop offset="1" stop-color="#8c9098"/></linearGradient>'
           '<linearGradient id="glass" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#f6d7b8" stop-opacity="0.95"/>'
           '<stop offset="1" stop-color="#c7763a" stop-opacity="0.95"/></linearGradient>'
           '<radialGradient id="led" cx="0.38" cy="0.3" r="0.8">'
           '<stop offset="0" stop-color="#ffd2cc"/><stop offset="0.35" stop-color="#ff3a2a"/>'
           '<stop offset="1" stop-color="#9c0d06"/></radialGradient>'
           '</defs>']
    out.append('<rect x="1" y="1" width="%d" height="%d" rx="10" fill="url(#bg)" stroke="#8f9bb0" stroke-width="2"/>'
               % (w - 2, h - 2))
    # power rectifier in DO-41
    out.append('<rect x="16" y="44" width="150" height="7" rx="3" fill="url(#lead)"/>')
    out.append('<rect x="56" y="30" width="70" height="35" rx="9" fill="url(#body)"/>')
    out.append('<rect x="108" y="30" width="11" height="35" fill="url(#band)"/>')
    out.append('<text x="84" y="53" font-family="%s" font-size="11" fill="#d6d9de" text-anchor="middle">4007</text>' % FONT)
    # small-signal glass diode DO-35
    out.append('<rect x="16" y="104" width="150" height="4" rx="2" fill="url(#lead)"/>')
    out.append('<rect x="66" y="95" width="50" height="22" rx="7" fill="url(#glass)" stroke="#9a5a2a" stroke-width="0.8"/>')
    out.append('<rect x="103" y="95" width="6" height="22" fill="#1b1b1b"/>')
    out.append('<rect x="72" y="104" width="28" height="4" fill="#8a8f96"/>')
    # schematic symbol with anode and cathode
    out.append('<line x1="186" y1="84" x2="288" y2="84" stroke="#1b2433" stroke-width="4"/>')
    out.append('<path d="M214,60 L214,108 L254,84 Z" fill="#1b2433"/>')
    out.append('<line x1="256" y1="60" x2="256" y2="108" stroke="#1b2433" stroke-width="5"/>')
    out.append('<text x="200" y="56" font-family="%s" font-size="16" font-weight="bold" fill="#1b2433">A</text>' % FONT)
    out.append('<text x="262" y="56" font-family="%s" font-size="16" font-weight="bold" fill="#1b2433">K</text>' % FONT)
    out.append('<text x="237" y="140" font-family="%s" font-size="20" font-weight="bold" '
               'text-anchor="middle" fill="#24406e">DIÓDA</text>' % FONT)
    # a red LED with its legs, the longer one the anode
    out.append('<rect x="328" y="100" width="5" height="58" fill="url(#lead)"/>')
    out.append('<rect x="352" y="100" width="5" height="46" fill="url(#lead)"/>')
    out.append('<rect x="316" y="92" width="54" height="10" rx="2" fill="#c21a10"/>')
    out.append('<path d="M320,94 L320,52 A23,23 0 0 1 366,52 L366,94 Z" fill="url(#led)"/>')
    out.append('<path d="M328,58 Q330,44 342,40" fill="none" stroke="#ffffff" stroke-opacity="0.7" stroke-width="3" stroke-linecap="round"/>')
    for i, (x, y) in enumerate(((376, 40), (384, 58))):
        out.append('<path d="M%d,%d l14,-12 M%d,%d l6,0 l0,6" fill="none" stroke="#e0342a" stroke-width="2.2" '
                   'stroke-linecap="round"/>' % (x, y, x + 8, y - 12))
    return svg(w, h, "\n".join(out))


def main():
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)

    def write(name, text):
        with open(os.path.join(outdir, name), "w", encoding="utf-8") as f:
            f.write(text)

    for lang in ("hu", "en", "de"):
        write("flag_%s.svg" % lang, flag_file(lang))
        for step in range(1, 8):
            write("anim_%s_%d.svg" % (lang, step), anim_file(lang, step))
    write("pointer.svg", pointer_file())
    write("dioda.svg", diode_file())


if __name__ == "__main__":
    main()
