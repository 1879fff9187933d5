#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How many SMD code lines lead to a catalog record.

A line counts as linked when its base type, or the base type without a gain
group, names a type of tools/transistors.tsv or tools/diodes.tsv, matched the
way the SMD window looks it up (case-insensitive, trimmed).
Usage: smd_link_share.py [--list]   (--list: print the unlinked base types)
"""

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# Same suffixes the SMD window strips before asking the transistor catalog.
HYPHEN_GROUP = re.compile(r"^(.*[0-9])-(6|10|16|25|40|63|100|160|250|O|R|Y|GR|BL|L)$", re.I)
LETTER_GROUP = re.compile(r"^(.*[0-9])[A-D]$", re.I)


def candidates(base):
    b = base.strip()
    if not b:
        return []
    out = [b]
    m = HYPHEN_GROUP.match(b) or LETTER_GROUP.match(b)
    if m:
        out.append(m.group(1))
    return [c.upper() for c in out]


def types(path, header):
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()[1 if header else 0:]
    return {l.split("\t")[0].strip().upper() for l in lines if l.strip() and not l.startswith("#")}


def main():
    tools = os.path.join(ROOT, "tools")
    transistors = types(os.path.join(tools, "transistors.tsv"), True)
    diodes = types(os.path.join(tools, "diodes.tsv"), False)
    total = to_t = to_d = 0
    codes, linked_codes, unlinked = set(), set(), {}
    with open(os.path.join(tools, "smd.tsv"), encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            cols = line.rstrip("\n").split("\t")
            code, base = cols[0].strip(), cols[3].strip()
            total += 1
            codes.add(code)
            cands = candidates(base)
            if any(c in transistors for c in cands):
                to_t += 1
            elif base.strip().upper() in diodes:
                to_d += 1
            else:
                unlinked[base] = unlinked.get(base, 0) + 1
                continue
            linked_codes.add(code)
    linked = to_t + to_d
    print("%d lines, %d distinct codes" % (total, len(codes)))
    print("linked lines: %d (%.1f %%): transistor catalog %d, diode catalog %d"
          % (linked, 100.0 * linked / max(total, 1), to_t, to_d))
    print("distinct codes with at least one linked line: %d (%.1f %%)"
          % (len(linked_codes), 100.0 * len(linked_codes) / max(len(codes), 1)))
    if "--list" in sys.argv:
        for base, n in sorted(unlinked.items(), key=lambda kv: (-kv[1], kv[0])):
            print("%4d  %s" % (n, base))
    return 0


if __name__ == "__main__":
    sys.exit(main())
