# SPDX-License-Identifier: GPL-3.0-or-later
"""Cross-checks the transistor and diode tables against KiCad's symbol library.

KiCad serves only as an independent reference: types present in both must
agree on polarity/channel, ratings (10 %), package family and lead order,
unless tools/kicad_exceptions.tsv lists the difference with its reason.
Exit 0 = agree, 1 = disagreements, 77 = KiCad symbols not installed.
"""
import collections
import os
import re
import sys

SKIP = 77
KICAD_DIR = os.environ.get("KICAD_SYMBOL_DIR", "/usr/share/kicad/symbols")
LIBS = ["Transistor_BJT", "Transistor_FET", "Diode", "Diode_Bridge", "LED"]
TOLERANCE = 0.10
# Coverage goals. A goal the catalog already meets becomes a floor, so the
# share cannot slip back; the others are only reported until reached.
GOALS = {"transistor": 0.80, "diode": 0.70}
FLOORS = {"transistor": 0.80, "diode": 0.70}


# --- S-expressions --------------------------------------------------------

TOKEN = re.compile(r'\(|\)|"(?:[^"\\]|\\.)*"|[^\s()"]+')


def parse_sexpr(text):
    stack, cur = [], []
    for m in TOKEN.finditer(text):
        t = m.group(0)
        if t == "(":
            stack.append(cur)
            cur = []
        elif t == ")":
            if not stack:
                raise ValueError("unbalanced ')'")
            done, cur = cur, stack.pop()
            cur.append(done)
        elif t[0] == '"':
            cur.append(re.sub(r"\\(.)", r"\1", t[1:-1]))
        else:
            cur.append(t)
    if stack:
        raise ValueError("unbalanced '('")
    return cur


def children(node, head):
    return [c for c in node if isinstance(c, list) and c and c[0] == head]


def collect_pins(node, pins):
    for c in node:
        if not isinstance(c, list) or not c:
            continue
        if c[0] == "pin":
            name = next((x[1] for x in children(c, "name") if len(x) > 1), "")
            num = next((x[1] for x in children(c, "number") if len(x) > 1), "")
            if num:
                pins[num] = name
        elif c[0] == "symbol":
            collect_pins(c, pins)


def load_library(path):
    with open(path, encoding="utf-8") as f:
        tree = parse_sexpr(f.read())
    root = next(n for n in tree if isinstance(n, list) and n and n[0] == "kicad_symbol_lib")
    raw = {}
    for sym in children(root, "symbol"):
        props = {p[1]: p[2] for p in children(sym, "property") if len(p) > 2}
        pins = {}
        collect_pins(sym[2:], pins)
        parent = next((e[1] for e in children(sym, "extends")), None)
        raw[sym[1]] = (props, pins, parent)
    own_desc = {n: bool(v[0].get("ki_description") or v[0].get("Description")) for n, v in raw.items()}

    def resolve(name, depth=0):
        props, pins, parent = raw[name]
        if parent and parent in raw and depth < 16:
            pprops, ppins = resolve(parent, depth + 1)
            props = {**pprops, **props}
            pins = pins or ppins
        return props, pins

    out = {}
    for name in raw:
        props, pins = resolve(name)
        desc = props.get("ki_description") or props.get("Description", "")
        # A derived symbol without its own text would lend it its parent's ratings.
        rated = desc if own_desc[name] else ""
        out[name] = {"desc": desc, "rated": rated, "fp": props.get("Footprint", ""), "pins": pins}
    return out


# --- values ---------------------------------------------------------------

PREFIX = {"": 1.0, "k": 1e3, "m": 1e-3, "u": 1e-6, "µ": 1e-6, "n": 1e-9}


def number(text, unit):
    """First '<number> <prefix><unit>' in a table field (decimal comma)."""
    m = re.search(r"(\d+(?:[.,]\d+)?)\s*([kmuµn]?)" + unit + r"\b", text)
    return float(m.group(1).replace(",", ".")) * PREFIX[m.group(2)] if m else None


def kicad_rating(desc, names, unit):
    m = re.search(r"-?(\d+(?:\.\d+)?)\s*([kmuµn]?)" + unit + r"\s*,?\s*(?:" + names + r")\b", desc)
    return float(m.group(1)) * PREFIX[m.group(2)] if m else None


CHECKED = collections.Counter()


def checked(lib, field):
    """Counts a comparison that had values on both sides."""
    CHECKED[lib, field] += 1
    return True


def close(a, b):
    return abs(a - b) <= TOLERANCE * max(a, b)


# --- package families -----------------------------------------------------

FAMILIES = [
    ("TO-92", ["TO92"]), ("TO-220F", ["TO220F", "TO220F3", "TO220FP", "TO220ISO", "ITO220"]),
    ("TO-220", ["TO220", "TO2203", "TO220AB", "TO220AC", "TO2202"]),
    ("TO-247", ["TO247", "TO2473", "TO2472", "TO247AC", "TO247AD"]),
    ("TO-3P", ["TO3P", "TO3PN", "SOT93", "TO218"]), ("TO-3", ["TO3"]),
    ("TO-126", ["TO126", "TO1263", "SOT32"]), ("TO-202", ["TO202"]), ("TO-66", ["TO66"]),
    ("TO-39", ["TO39", "TO5"]), ("TO-18", ["TO18"]), ("TO-72", ["TO72"]),
    ("TO-262", ["TO262", "I2PAK"]), ("IPAK", ["IPAK", "TO251"]),
    ("DPAK", ["DPAK", "TO252", "TO2522"]), ("D2PAK", ["D2PAK", "TO263", "TO2632"]),
    ("SOT-23", ["SOT23", "SOT233", "TO236", "TO236AB"]), ("SOT-323", ["SOT323", "SC70"]),
    ("SOT-89", ["SOT89", "SOT893"]), ("SOT-223", ["SOT223", "SOT2233"]),
    ("SOT-143", ["SOT143", "SOT343"]), ("SO-8", ["SO8", "SOIC8"]),
    ("SOT-363", ["SOT363", "SC88", "SC706"]), ("SOT-416", ["SOT416", "SC75"]),
    ("DO-35", ["DO35", "SOD27"]), ("DO-41", ["DO41", "SOD81", "DO204AL"]),
    ("DO-15", ["DO15", "DO204AC"]), ("DO-201AD", ["DO201AD", "DO201", "DO27"]),
    ("SOD-123F", ["SOD123F"]), ("SOD-123W", ["SOD123W"]), ("SOD-123", ["SOD123"]),
    ("SOD-323F", ["SOD323F"]), ("SOD-323", ["SOD323", "SC76"]), ("SOD-523", ["SOD523", "SC79"]),
    ("SMA", ["SMA", "DO214AC"]), ("SMB", ["SMB", "DO214AA"]), ("SMC", ["SMC", "DO214AB"]),
    ("MiniMELF", ["MINIMELF", "SOD80", "LL34", "DO213AA"]), ("MELF", ["MELF", "DO213AB"]),
    ("SOD-57", ["SOD57"]), ("SOD-64", ["SOD64"]), ("SOD-128", ["SOD128"]),
    ("SOT-1289", ["SOT1289"]), ("SMF", ["SMF", "SOD123FL"]), ("R-6", ["R6", "P600"]),
    ("GBU", ["GBU"]), ("KBU", ["KBU"]), ("KBPC", ["KBPC", "KBPCT", "KBPCW"]), ("WOG", ["WOG", "WOB"]),
    ("MBS", ["MBS", "SOIC4", "TO269AA"]), ("DB", ["DB", "DIP4", "EDIP4"]), ("ABS", ["ABS"]),
    ("5 mm", ["5MM", "LED5MM"]), ("3 mm", ["3MM", "LED3MM"]),
]
ALIASES = sorted(((a, fam) for fam, al in FAMILIES for a in al), key=lambda x: -len(x[0]))


def families(text):
    s = re.sub(r"(?<=[A-Za-z0-9])[- ](?=[A-Za-z0-9])", "", text.upper())
    s = s.replace("D_", "_").replace("TO_", "TO")
    found = set()
    for alias, fam in ALIASES:
        if re.search(r"(?<![0-9A-Z])" + re.escape(alias) + r"(?![0-9A-Z])", s):
            found.add(fam)
    # A longer alias hides the shorter one it contains (TO-220F is no TO-220).
    for longer, shorter in (("TO-220F", "TO-220"), ("SOD-123F", "SOD-123"), ("SOD-123W", "SOD-123"),
                            ("SOD-323F", "SOD-323"), ("MiniMELF", "MELF")):
        if longer in found and re.search(re.escape(shorter.upper().replace("-", "")) + r"[A-Z]", s):
            found.discard(shorter)
    return found


def kicad_families(sym):
    fam = families(sym["fp"].split(":")[-1])
    if not fam:
        tail = sym["desc"].rsplit(",", 1)[-1]
        fam = families(tail)
    return fam


# --- our tables -----------------------------------------------------------

def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f]
    return rows[1:] if path.endswith("transistors.tsv") else rows


def pin_letters(pinout):
    return re.findall(r"G1|G2|[EBCGDS]", pinout)


def load_exceptions(path):
    ex = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                if not line.strip() or line.startswith("#"):
                    continue
                parts = line.rstrip("\n").split("\t")
                if len(parts) != 3 or not all(p.strip() for p in parts):
                    sys.exit(f"{path}:{n}: need type<TAB>field<TAB>reason")
                ex[(parts[0], parts[1])] = parts[2]
    return ex


# --- name matching --------------------------------------------------------

def matcher(names):
    upper = {n.upper(): n for n in names}

    def find(kname, grade_suffix):
        k = kname.upper()
        if k in upper:
            return [upper[k]]
        if "XX" in k or re.search(r"\dX[A-Z]*$", k):
            # A family symbol ("BZX84Cxx", "1N630xA") stands for any member.
            pattern = re.sub(r"XX+", ".+", re.escape(k))
            rx = re.compile(re.sub(r"(?<=\d)X(?=[A-Z]*$)", ".", pattern) + "$")
            return [upper[u] for u in upper if rx.match(u)][:1]
        # Packing and lead-finish suffixes of the orderable name; Nexperia's
        # reel "X" ("BUK7M10-40EX") follows a grade letter.
        if re.search(r"-\d+[A-Z]X$", k) and k[:-1] in upper:
            return [upper[k[:-1]]]
        for strip in ("PBF", "G", "-E3"):
            if k.endswith(strip) and k[: -len(strip)] in upper and len(k) > len(strip) + 3:
                return [upper[k[: -len(strip)]]]
        if grade_suffix and k.startswith("BC"):
            graded = [upper[k + g] for g in "ABC" if k + g in upper]
            if graded:
                return graded[:1]
        if "_" in k:  # maker prefix ("Central_Semi_CMKD4448") or package suffix ("SD05_SOD323")
            parts = k.split("_")
            return [upper[p] for p in (parts[-1], parts[0]) if p in upper][:1]
        return []
    return find


# --- checks ---------------------------------------------------------------

def check_transistors(kicad, rows, problems, stats):
    ours = {r[0]: r for r in rows if len(r) >= 19}
    find = matcher(ours)
    for lib in ("Transistor_BJT", "Transistor_FET"):
        compared = single = covered = 0
        for kname, sym in kicad[lib].items():
            desc = sym["desc"]
            names = list(sym["pins"].values())
            gates = sum(1 for n in names if n.startswith("G"))
            npn, pnp = "NPN" in desc.upper(), "PNP" in desc.upper()
            is_fet = lib == "Transistor_FET"
            if is_fet:
                is_single = gates == 1 or (gates == 2 and "Dual Gate" in desc)
                is_single = is_single and not re.search(r"\b(Dual|Half.Bridge|Complementary)\b", desc, re.I)
            else:
                is_single = (npn != pnp and len(sym["pins"]) <= 4 and not re.search(
                    r"\b(Dual|Digital|Pre-?biased|Resistor|Matched|Array|Unijunction)\b", desc, re.I))
            if not is_single:
                continue
            single += 1
            hit = find(kname, not is_fet)
            if not hit:
                continue
            covered += 1
            row = ours[hit[0]]
            compared += 1
            report = lambda field, msg: problems.append((hit[0], field, f"{lib}:{kname}: {msg}"))
            struct = row[2]
            # polarity / channel
            if is_fet:
                chan = "N" if re.search(r"\bN-?Ch", desc, re.I) else "P" if re.search(r"\bP-?Ch", desc, re.I) else ""
                ourchan = {"5": "N", "7": "N", "9": "N", "6": "P", "8": "P"}.get(struct, "")
                if chan and ourchan and checked(lib, "polarity") and chan != ourchan:
                    report("polarity", f"KiCad {chan}-channel, ours structure {struct}")
            else:
                pol = "npn" if npn else "pnp"
                ourpol = {"1": "pnp", "2": "npn"}.get(struct, "")
                if ourpol and checked(lib, "polarity") and ourpol != pol:
                    report("polarity", f"KiCad {pol}, ours {ourpol}")
            # ratings
            vname, iname = ("Vds", "Id") if is_fet else ("Vce|Vceo", "Ic")
            kv, ki = kicad_rating(sym["rated"], vname, "V"), kicad_rating(sym["rated"], iname, "A")
            ov, oi = number(row[5], "V"), number(row[7], "A")
            if kv and ov and checked(lib, "voltage") and not close(kv, ov):
                report("voltage", f"KiCad {kv:g} V, ours {row[5]}")
            if ki and oi and checked(lib, "current") and not close(ki, oi):
                report("current", f"KiCad {ki:g} A, ours {row[7]}")
            # package and leads
            pkg, _, pinout = row[13].partition("-")
            kf, of = kicad_families(sym), families(pkg)
            if kf and of and checked(lib, "package") and not (kf & of):
                report("package", f"KiCad {sym['fp'] or desc}, ours {pkg}")
            letters = pin_letters(pinout)
            if letters and sym["pins"]:
                theirs = [sym["pins"].get(str(i + 1), "?").upper() for i in range(len(letters))]
                theirs = ["G1" if t == "G1" else "G2" if t == "G2" else t[:1] for t in theirs]
                if "?" not in theirs and checked(lib, "pinout") and theirs != letters:
                    report("pinout", f"KiCad {'-'.join(theirs)}, ours {'-'.join(letters)}")
        stats.append((lib, compared, single, covered))


def diode_kind(desc, lib):
    d = desc.upper()
    if lib == "Diode_Bridge" or "BRIDGE" in d:
        return "bridge"
    if "TRIGGER" in d or "DIAC" in d:
        return "diac"
    if "ZENER" in d:
        return "zener"
    if "TVS" in d or "TRANSIENT" in d or "TRANSIL" in d:
        return "tvs"
    return "diode"


def check_diodes(kicad, rows, problems, stats):
    ours = {r[0]: r[1] for r in rows if len(r) >= 2}
    find = matcher(ours)
    for lib in ("Diode", "Diode_Bridge", "LED"):
        compared = total = covered = 0
        seen = set()
        for kname, sym in kicad[lib].items():
            desc = sym["desc"]
            if lib == "LED":
                # Addressable and multi-chip parts are modules, not discrete LEDs.
                if len(sym["pins"]) > 3 or re.search(r"RGB|intelligent|controll|addressable", desc, re.I):
                    continue
                group = re.sub(r"_\d+$", "", kname)
                if group in seen:
                    continue
                seen.add(group)
            elif re.search(r"\barray\b", desc, re.I):
                continue
            total += 1
            hit = find(kname, False)
            if not hit:
                continue
            covered += 1
            if lib == "LED" or "xx" in kname.lower() or re.search(r"\dx[A-Z]*$", kname):
                continue  # a family symbol states no single type's ratings
            compared += 1
            data = ours[hit[0]]
            report = lambda field, msg: problems.append((hit[0], field, f"{lib}:{kname}: {msg}"))
            kind = diode_kind(desc, lib)
            desc = sym["rated"]
            if kind == "zener":
                kv, ov = kicad_rating(desc, "", "V"), number(data.split("UZ", 1)[-1], "V") if "UZ" in data else None
            elif kind == "tvs":
                m = re.search(r"(\d+(?:\.\d+)?)\s*V\s*r?wm\b", desc, re.I)
                kv = float(m.group(1)) if m else None
                ov = number(data.split("URWM", 1)[-1], "V") if "URWM" in data else None
            elif kind == "diac":
                kv = kicad_rating(desc, "", "V")
                m = re.search(r"típ\. (\d+(?:,\d+)?) V", data)
                ov = float(m.group(1).replace(",", ".")) if m else None
            elif kind == "bridge":
                kv = kicad_rating(desc, "Vrrm", "V")
                ov = number(data.split("URRM", 1)[-1], "V") if "URRM" in data else None
                vrms = kicad_rating(desc, "Vrms", "V")
                # An RMS input rating only bounds URRM from below: it must stand the peak.
                if vrms and ov and checked(lib, "voltage") and ov < (1 - TOLERANCE) * vrms * 2 ** 0.5:
                    report("voltage", f"KiCad {vrms:g} V RMS input, ours {data}")
            else:
                m = re.match(r"\s*(\d+(?:\.\d+)?)\s*(k?)V\b", desc)
                kv = float(m.group(1)) * PREFIX[m.group(2)] if m else None
                ov = number(data.split("URRM", 1)[-1], "V") if "URRM" in data else None
            if kv and ov and checked(lib, "voltage") and not close(kv, ov):
                report("voltage", f"KiCad {kv:g} V, ours {data}")
            if kind in ("diode", "bridge"):
                m = re.search(r"(\d+(?:\.\d+)?)\s*(m?)A\b", desc)
                ki = float(m.group(1)) * PREFIX[m.group(2)] if m else None
                oi = number(data.split("IF", 1)[-1], "A") if "; IF " in data else None
                if ki and oi and checked(lib, "current") and not close(ki, oi):
                    report("current", f"KiCad {ki:g} A, ours {data}")
            kf, of = kicad_families(sym), families(data)
            if kf and of and checked(lib, "package") and not (kf & of):
                report("package", f"KiCad {sym['fp'] or desc}, ours {data}")
        stats.append((lib, compared, total, covered))


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), "..", ".."))
    paths = {lib: os.path.join(KICAD_DIR, lib + ".kicad_sym") for lib in LIBS}
    missing = [p for p in paths.values() if not os.path.exists(p)]
    if missing:
        print("SKIP: KiCad symbol library not installed (Debian package kicad-symbols): "
              + ", ".join(missing))
        return SKIP
    try:
        kicad = {lib: load_library(p) for lib, p in paths.items()}
    except (ValueError, StopIteration, IndexError) as e:
        print(f"FAIL: cannot read the KiCad symbol library: {e!r}")
        return 1
    tools = os.path.join(root, "tools")
    exceptions = load_exceptions(os.path.join(tools, "kicad_exceptions.tsv"))
    problems, tstats, dstats = [], [], []
    check_transistors(kicad, read_tsv(os.path.join(tools, "transistors.tsv")), problems, tstats)
    check_diodes(kicad, read_tsv(os.path.join(tools, "diodes.tsv")), problems, dstats)

    status = 0
    for area, stats in (("transistor", tstats), ("diode", dstats)):
        for lib, compared, total, covered in stats:
            fields = ", ".join(f"{f} {n}" for (l, f), n in sorted(CHECKED.items()) if l == lib)
            print(f"{lib}: {compared} types compared ({fields or 'no rated fields'}), "
                  f"{covered} of {total} in our catalog")
        total = sum(s[2] for s in stats)
        share = sum(s[3] for s in stats) / total if total else 1.0
        print(f"{area} coverage: {share:.1%} (goal {GOALS[area]:.0%})")
        if share < FLOORS.get(area, 0.0):
            print(f"FAIL: {area} coverage fell below {FLOORS[area]:.0%}")
            status = 1

    used = set()
    fails = []
    for typ, field, msg in problems:
        if (typ, field) in exceptions:
            used.add((typ, field))
        else:
            fails.append(f"{typ}\t{field}\t{msg}")
    print(f"disagreements: {len(problems)}, of them listed as exceptions: {len(used)}")
    for f in fails:
        print("DISAGREE " + f)
    for key in sorted(set(exceptions) - used):
        print(f"note: exception {key[0]}/{key[1]} no longer needed")
    return 1 if fails or status else 0


if __name__ == "__main__":
    sys.exit(main())
