#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the transistor catalog field files from tools/transistors.tsv.

Input : tools/transistors.tsv  (UTF-8, tab separated, first line = header,
        one transistor per following line, 19 columns and a last column
        naming the datasheet a row was checked against, not shipped)
Output: data/Tranzisztor/f00.txt .. f18.txt
        Line k of every file belongs to transistor k. Each file is encoded in
        code page 1250 and every line (including the last) ends with CR LF.

The script validates the whole table first and writes nothing if any row is
bad; it then exits with status 1 and prints the reasons to stderr.
Only the Python standard library is used; the output is deterministic.
"""

import argparse
import os
import re
import sys

NUM_FIELDS = 19
NUM_COLUMNS = NUM_FIELDS + 1   # the source column is not shipped
ENCODING = "cp1250"
EOL = b"\r\n"

# Column meaning (index = file number).
COLUMNS = [
    "type name",
    "material code (1 = Ge, 2 = Si)",
    "structure code (1 = pnp, 2 = npn, 3 = p/n, 4 = n/p)",
    "power rating (Ptot)",
    "Ucb max",
    "Uce max",
    "Ueb max",
    "Ic max",
    "max. junction temperature (degC)",
    "transition frequency fT",
    "collector capacitance",
    "hFE",
    "maker",
    "package",
    "use (class code or Hungarian text)",
    "European equivalents",
    "US equivalents",
    "Soviet equivalents",
    "Japanese equivalents",
    "source (datasheet checked against, not shipped)",
]

MATERIAL_CODES = {"", "1", "2"}
BIPOLAR_CODES = {"1", "2", "3", "4"}
# 5 N-MOSFET, 6 P-MOSFET, 7 N-JFET, 8 P-JFET, 9 N-channel dual-gate MOSFET
FET_CODES = {"5", "6", "7", "8", "9"}
STRUCTURE_CODES = {""} | BIPOLAR_CODES | FET_CODES
# A field-effect row's use text names its kind first, in the words the
# window shows.
FET_USE = {"5": "N-csatornás MOSFET", "6": "P-csatornás MOSFET",
           "7": "N-csatornás JFET", "8": "P-csatornás JFET",
           "9": "Kettős gate-es MOSFET"}

# Package -> number of leads the package picture numbers (TO-3 and TO-66:
# pins 1 and 2, the case is 3; SOT-223: the tab is 4; DPAK, D2PAK: the tab
# is lead 2).
PACKAGES = {
    "TO1": 3, "TO3": 3, "TO5": 3, "TO18": 3, "TO39": 3, "TO66": 3, "TO72": 4,
    "TO92": 3, "TO126": 3, "TO202": 3, "TO218": 3, "TO220": 3, "TO247": 3,
    "TO3P": 3, "SOT23": 3, "SOT32": 3, "SOT89": 3, "SOT223": 4, "SOT323": 3,
    "SOT93": 3, "TO220F": 3, "TO262": 3, "DPAK": 3, "D2PAK": 3, "IPAK": 3,
    "SO8": 8, "SOT143": 4,
}
# Pinout electrodes, one per numbered lead: bipolar, field-effect, or a
# dual-gate MOSFET's G1 and G2 (which need both gates named).
PIN_SETS = {"bipolar": {"E", "B", "C"}, "fet": {"G", "D", "S"},
            "dual-gate": {"G1", "G2", "D", "S"}}
PIN_TOKEN = re.compile(r"G[12]|[EBCGDS]")


def pin_tokens(pins):
    """The electrodes of a pinout, or None when it holds anything else."""
    tokens = PIN_TOKEN.findall(pins)
    return tokens if "".join(tokens) == pins else None


def pin_kind(tokens):
    """Which electrode set the pinout uses, or None for a mixture."""
    for kind, allowed in PIN_SETS.items():
        if set(tokens) <= allowed:
            if kind == "dual-gate" and not {"G1", "G2"} <= set(tokens):
                continue
            return kind
    return None

USE_CODES = {
    "<A46", "<A45", "<246", "<286", "<295", "<346", "<395", "<047", "<06",
    "<39", "<36", "<26", "<104", "<56", "<47", "<12", "<13", "<10", "<B0",
    "<B3", "<C", "<D", "<E", "<F", "<B",
}


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def expected_pin_kind(structure):
    if structure == "9":
        return "dual-gate"
    return "fet" if structure in FET_CODES else "bipolar"


def check_row(lineno, fields, errors):
    where = "line %d" % lineno
    if len(fields) != NUM_COLUMNS:
        errors.append("%s: %d columns instead of %d"
                      % (where, len(fields), NUM_COLUMNS))
        return
    for col, value in enumerate(fields):
        if "\r" in value or "\n" in value or "\t" in value:
            errors.append("%s, column %d: contains tab/CR/LF" % (where, col))
        if value != value.strip():
            errors.append("%s, column %d: leading/trailing blanks in %r"
                          % (where, col, value))
        try:
            value.encode(ENCODING)
        except UnicodeEncodeError as exc:
            bad = value[exc.start:exc.end]
            errors.append("%s, column %d: %r cannot be encoded in %s"
                          % (where, col, bad, ENCODING))
    name, material, structure = fields[0], fields[1], fields[2]
    if not name:
        errors.append("%s: empty type name" % where)
    if material not in MATERIAL_CODES:
        errors.append("%s (%s): invalid material code %r"
                      % (where, name, material))
    if structure not in STRUCTURE_CODES:
        errors.append("%s (%s): invalid structure code %r"
                      % (where, name, structure))
    package = fields[13]
    if package:
        base, _, pins = package.partition("-")
        if base not in PACKAGES:
            errors.append("%s (%s): package %r not in the allowed list"
                          % (where, name, package))
        elif "-" in package:
            tokens = pin_tokens(pins)
            kind = pin_kind(tokens) if tokens else None
            if not tokens or len(tokens) != PACKAGES[base] or not kind:
                errors.append("%s (%s): pinout %r must give %d leads with E B C, "
                              "G D S or G1 G2 D S"
                              % (where, name, package, PACKAGES[base]))
            elif kind != expected_pin_kind(structure):
                errors.append("%s (%s): pinout %r does not fit structure %r"
                              % (where, name, package, structure))
    use = fields[14]
    if use.startswith("<") and use not in USE_CODES:
        errors.append("%s (%s): unknown use code %r" % (where, name, use))
    if structure in FET_USE and not use.startswith(FET_USE[structure]):
        errors.append("%s (%s): use text of structure %s must start with %r"
                      % (where, name, structure, FET_USE[structure]))
    tj = fields[8]
    if tj and not tj.isdigit():
        errors.append("%s (%s): junction temperature must be a plain "
                      "number, got %r" % (where, name, tj))


def read_table(path, errors):
    with open(path, "rb") as fh:
        raw = fh.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as exc:
        errors.append("%s: not valid UTF-8 (%s)" % (path, exc))
        return []
    if text.startswith("\ufeff"):
        text = text[1:]
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()  # final newline
    if not lines:
        errors.append("%s: empty file" % path)
        return []
    header = lines[0].rstrip("\r").split("\t")
    if len(header) != NUM_COLUMNS:
        errors.append("line 1 (header): %d columns instead of %d"
                      % (len(header), NUM_COLUMNS))
    rows = []
    seen = {}
    for lineno, line in enumerate(lines[1:], start=2):
        if line.endswith("\r"):
            line = line[:-1]
        if line == "":
            errors.append("line %d: empty line" % lineno)
            continue
        fields = line.split("\t")
        check_row(lineno, fields, errors)
        if fields and fields[0]:
            key = fields[0].upper()
            if key in seen:
                errors.append("line %d: type %r already defined on line %d"
                              % (lineno, fields[0], seen[key]))
            else:
                seen[key] = lineno
        rows.append(fields)
    if not rows:
        errors.append("%s: no data rows" % path)
    return rows


def main():
    root = repo_root()
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--tsv", default=os.path.join(root, "tools",
                                                  "transistors.tsv"))
    ap.add_argument("--out", default=os.path.join(root, "data",
                                                  "Tranzisztor"))
    args = ap.parse_args()

    errors = []
    rows = read_table(args.tsv, errors)
    if errors:
        for msg in errors:
            print("ERROR: " + msg, file=sys.stderr)
        print("%d error(s); nothing written." % len(errors), file=sys.stderr)
        return 1

    os.makedirs(args.out, exist_ok=True)
    for col in range(NUM_FIELDS):
        data = b"".join(row[col].encode(ENCODING) + EOL for row in rows)
        target = os.path.join(args.out, "f%02d.txt" % col)
        tmp = target + ".tmp"
        with open(tmp, "wb") as fh:
            fh.write(data)
        os.replace(tmp, target)
    print("%d transistors written to %s (f00.txt .. f%02d.txt)"
          % (len(rows), args.out, NUM_FIELDS - 1))
    return 0


if __name__ == "__main__":
    sys.exit(main())
