#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the diode catalog and the technical dictionary from their tables.

Input : tools/diodes.tsv  (UTF-8, "type<TAB>data<TAB>source" per line)
        tools/dict.tsv    (UTF-8, "magyar<TAB>english<TAB>german" per line)
Output: data/dioda.ini    (pairs of lines: type name, then data)
        data/műszaki.txt  ("magyar,english,german" per line)
Both outputs are code page 1250, every line (the last too) ending in CR LF.

Rows that cannot be shipped are dropped and listed on stderr: a character
outside code page 1250, a wrong number of fields, an empty field, a comma in a
dictionary term (the comma separates the terms), a carriage return. Exact
duplicates are dropped; a diode type listed twice keeps its first row.
The diode source column (the datasheet a row was checked against, may be
empty) is for the editors only and is not written out.
The output is deterministic; only the standard library is used.
"""

import argparse
import os
import sys

ENCODING = "cp1250"
EOL = "\r\n"


def read_rows(path, fields):
    """Yields (line number, fields) of the non-blank lines."""
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip():
                continue
            yield n, [p.strip() for p in line.split("\t")]


def problem_of(parts, fields, no_comma, notes=0):
    """notes: how many trailing fields are editors' notes, which may be empty
    and are not shipped."""
    if len(parts) != fields:
        return "%d field(s) instead of %d" % (len(parts), fields)
    for i, p in enumerate(parts):
        if "\r" in p:
            return "carriage return in a field"
        if i >= fields - notes:
            continue
        if not p:
            return "empty field"
        if no_comma and "," in p:
            return "comma in a term: %r" % p
        try:
            p.encode(ENCODING)
        except UnicodeEncodeError as e:
            return "not in code page 1250: %r" % p[e.start:e.end]
    return None


def build(path, fields, no_comma, name, key_of, notes=0):
    kept, seen_rows, seen_keys, dropped = [], set(), set(), []
    for n, parts in read_rows(path, fields):
        why = problem_of(parts, fields, no_comma, notes)
        row = tuple(parts[:fields - notes])
        if why is None and row in seen_rows:
            why = "exact duplicate"
        elif why is None and key_of(row) in seen_keys:
            why = "%s listed before" % key_of(row)
        if why:
            dropped.append("%s:%d: dropped (%s): %s" % (name, n, why, "\t".join(parts)))
            continue
        seen_rows.add(row)
        seen_keys.add(key_of(row))
        kept.append(row)
    return kept, dropped


def write(path, lines):
    data = "".join(l + EOL for l in lines).encode(ENCODING)
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--diodes", default=os.path.join(here, "diodes.tsv"))
    ap.add_argument("--dict", default=os.path.join(here, "dict.tsv"))
    ap.add_argument("--out", default=os.path.join(root, "data"))
    args = ap.parse_args()

    diodes, dropped_d = build(args.diodes, 3, False, "diodes.tsv", lambda r: r[0], notes=1)
    # A dictionary row is one entry: the same Hungarian word may have several
    # translations, so only exact duplicates go.
    words, dropped_w = build(args.dict, 3, True, "dict.tsv", lambda r: r)

    for line in dropped_d + dropped_w:
        print(line, file=sys.stderr)
    if not diodes or not words:
        print("nothing to write", file=sys.stderr)
        return 1

    write(os.path.join(args.out, "dioda.ini"), [x for r in diodes for x in r])
    write(os.path.join(args.out, "műszaki.txt"), [",".join(r) for r in words])
    print("dioda.ini: %d diodes (%d dropped); műszaki.txt: %d entries (%d dropped)"
          % (len(diodes), len(dropped_d), len(words), len(dropped_w)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
