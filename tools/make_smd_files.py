#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the SMD data files under data/SMD/.

Passive code tables (computed here, nothing copied):
  !smd_1.txt       EIA-96 code "01".."96" -> round(10^(2 + (n-1)/96))
  !smd_2_5.txt     "01".."24" and "25".."48": the E24 series twice
  !smd_szorzo.txt  multipliers of the letters A B C D E F X S Y R, one a line
  !smd_keramia.txt the 33 letters of the ceramic code with their figures
  !smd_3.txt       reference lines about three-digit resistor codes
  !smd_4.txt       reference lines about four-digit resistor codes

Active codes, from the editable tables in tools/:
  smd.tsv          code, device, maker, base, package, data, picture class, source
                   (the source names the datasheet a line was checked against; not shipped)
  smd_makers.tsv   short code, name
  -> !smd.txt      "code,device,maker,base,package,data" per line
  -> !gyártók.txt  "short","name" per line
  -> tools/art/smd/bases.tsv: base type, picture class, for the picture generator

All output is code page 1250 with CR LF after every line. Rows that cannot be
shipped are reported on stderr and left out; the script fails (writing
nothing) when the maker table itself is unusable.
Usage: make_smd_files.py [--check]   (--check: validate only)
"""

import os
import sys

ENC = "cp1250"
EOL = "\r\n"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "SMD")

E24 = [100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
       330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910]
MULTIPLIERS = ["1", "10", "100", "1000", "10000", "100000", "0.1", "0.1", "0.01", "0.01"]
CERAMIC = [("A", "1.0"), ("B", "1.1"), ("C", "1.2"), ("D", "1.3"), ("E", "1.5"), ("F", "1.6"),
           ("G", "1.8"), ("H", "2.0"), ("J", "2.2"), ("K", "2.4"), ("a", "2.5"), ("L", "2.7"),
           ("M", "3.0"), ("N", "3.3"), ("b", "3.5"), ("P", "3.6"), ("Q", "3.9"), ("d", "4.0"),
           ("R", "4.3"), ("e", "4.5"), ("S", "4.7"), ("f", "5.0"), ("T", "5.1"), ("U", "5.6"),
           ("m", "6.0"), ("V", "6.2"), ("W", "6.8"), ("n", "7.0"), ("X", "7.5"), ("t", "8.0"),
           ("Y", "8.2"), ("y", "9.0"), ("Z", "9.1")]

THREE_DIGIT = ["100", "101", "102", "103", "104", "105", "106", "220", "221", "222", "223",
               "330", "331", "472", "473", "474", "000", "4R7", "1R0", "R47", "R10", "R22"]
FOUR_DIGIT = ["1000", "1001", "1002", "1003", "1004", "1005", "4700", "4701", "4702", "4992",
              "1501", "2491", "10R0", "4R70", "1R00", "R100", "R047", "R010"]

MAX_MAKERS = 30


def eia96(n):
    return round(10 ** (2 + (n - 1) / 96))


def code_ohms(code):
    """Value of a three- or four-digit resistor code (digits + power of ten, or
    an R standing for the decimal point)."""
    if "R" in code:
        return float(code.replace("R", "."))
    return int(code[:-1]) * 10 ** int(code[-1])


def ohm_text(ohms):
    for limit, unit in ((1e6, "Mohm"), (1e3, "kohm")):
        if ohms >= limit:
            ohms /= limit
            break
    else:
        unit = "ohm"
    text = ("%.6f" % ohms).rstrip("0").rstrip(".")
    return text.replace(".", ",") + " " + unit


def reference_lines(title, codes, decimal_title):
    lines = [title]
    for c in codes:
        if "R" in c and decimal_title not in lines:
            lines.append(decimal_title)
        note = " (átkötés)" if code_ohms(c) == 0 else ""
        lines.append("%s = %s%s" % (c, ohm_text(code_ohms(c)), note))
    return lines


def passive_files():
    q = lambda s: '"%s"' % s
    return {
        "!smd_1.txt": ["%s,%s" % (q("%02d" % n), q(eia96(n))) for n in range(1, 97)],
        "!smd_2_5.txt": ["%s,%s" % (q("%02d" % (i + 1)), q(E24[i % 24])) for i in range(48)],
        "!smd_szorzo.txt": MULTIPLIERS,
        "!smd_keramia.txt": ["%s,%s" % (q(l), q(v)) for l, v in CERAMIC],
        "!smd_3.txt": reference_lines("Két szám + szorzó:", THREE_DIGIT,
                                      "Az R a tizedesvessző:"),
        "!smd_4.txt": reference_lines("Három szám + szorzó:", FOUR_DIGIT,
                                      "Az R a tizedesvessző:"),
    }


def encodable(s):
    try:
        s.encode(ENC)
        return True
    except UnicodeEncodeError:
        return False


def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\r\n") for line in f]


def active_files(smd_tsv, makers_tsv):
    problems, dropped = [], []
    makers, seen = [], set()
    for i, line in enumerate(read_tsv(makers_tsv), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cols = line.split("\t")
        if len(cols) != 2 or not cols[0].strip() or not cols[1].strip():
            problems.append("makers line %d: needs short<TAB>name" % i)
            continue
        short, name = cols[0].strip(), cols[1].strip()
        if not encodable(short + name) or '"' in short + name:
            problems.append("makers line %d: not representable: %r" % (i, line))
            continue
        if short in seen:
            problems.append("makers line %d: duplicate %s" % (i, short))
            continue
        seen.add(short)
        makers.append((short, name))
    if len(makers) > MAX_MAKERS:
        problems.append("%d makers, at most %d allowed" % (len(makers), MAX_MAKERS))

    rows, bases, packages, codes = [], {}, set(), set()
    for i, line in enumerate(read_tsv(smd_tsv), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cols = line.split("\t")
        why = None
        if len(cols) != 8:
            why = "%d columns, 8 needed" % len(cols)
        else:
            cols = [c.strip() for c in cols]
            code, device, maker, base, package, data, cls, _source = cols
            if not code or not device or not base or not package or not cls:
                why = "empty code, device, base, package or class"
            elif any(ch in c for c in cols for ch in "\"\r"):
                why = "quote or carriage return in a field"
            elif any("," in c for c in cols[:5]):
                why = "comma in one of the first five fields"
            elif not encodable(line):
                why = "character outside code page 1250"
            elif maker not in seen:
                why = "maker %r not in the maker table" % maker
            elif any(ch in base + package for ch in "/\\") or ".." in base + package:
                why = "path separator in base or package"
            elif base in bases and bases[base] != cls:
                why = "base %s already drawn as %s" % (base, bases[base])
            elif (code, device, maker) in codes:
                why = "duplicate of an earlier line"
        if why:
            dropped.append("smd.tsv line %d dropped (%s): %s" % (i, why, line))
            continue
        codes.add((code, device, maker))
        bases[base] = cls
        packages.add(package)
        rows.append(",".join((code, device, maker, base, package, data)))
    return makers, rows, bases, sorted(packages), problems, dropped


def write(path, lines):
    data = "".join(l + EOL for l in lines).encode(ENC)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main():
    check = "--check" in sys.argv
    tools = os.path.join(ROOT, "tools")
    makers, rows, bases, packages, problems, dropped = active_files(
        os.path.join(tools, "smd.tsv"), os.path.join(tools, "smd_makers.tsv"))
    for d in dropped:
        print(d, file=sys.stderr)
    if problems:
        for p in problems:
            print("error: " + p, file=sys.stderr)
        return 1
    print("%d codes, %d makers, %d base types, %d packages, %d lines dropped"
          % (len(rows), len(makers), len(bases), len(packages), len(dropped)))
    if check:
        return 0
    os.makedirs(OUT, exist_ok=True)
    for name, lines in passive_files().items():
        write(os.path.join(OUT, name), lines)
    write(os.path.join(OUT, "!smd.txt"), rows)
    write(os.path.join(OUT, "!gyártók.txt"), ['"%s","%s"' % m for m in makers])
    art = os.path.join(tools, "art", "smd")
    os.makedirs(art, exist_ok=True)
    with open(os.path.join(art, "bases.tsv"), "w", encoding="utf-8") as f:
        for b in sorted(bases):
            f.write("%s\t%s\n" % (b, bases[b]))
    with open(os.path.join(art, "packages.txt"), "w", encoding="utf-8") as f:
        for p in packages:
            f.write(p + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
