#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks (or with --fix, adds) the licence line at the top of every source
file and script the repository tracks. Exit status 1 names the files without it."""
import pathlib
import subprocess
import sys

LINE = "SPDX-License-Identifier: GPL-3.0-or-later"
SLASH = (".cpp", ".h", ".hpp", ".c")
HASH = (".py", ".sh", ".cmake", ".txt")   # .txt: only CMakeLists.txt
HASH_NAMES = {"CMakeLists.txt", "run", "setup", "test", "fuzz"}


def comment_for(path: pathlib.Path):
    if path.suffix in SLASH:
        return "// "
    if path.name == "CMakeLists.txt" or path.suffix in (".py", ".sh", ".cmake"):
        return "# "
    if path.parent.name in ("scripts", ".ci") and path.name in HASH_NAMES:
        return "# "
    return None


def tracked(root: pathlib.Path):
    try:
        out = subprocess.run(["git", "-C", str(root), "ls-files", "-z"], check=True,
                             capture_output=True).stdout.decode()
        return [root / p for p in out.split("\0") if p]
    except (OSError, subprocess.CalledProcessError):
        return [p for p in root.rglob("*") if p.is_file() and ".git" not in p.parts]


def main():
    fix = "--fix" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--fix"]
    root = pathlib.Path(args[0] if args else ".").resolve()
    missing = []
    for path in tracked(root):
        rel = path.relative_to(root)
        if rel.parts[0] in ("fuzz",) and "corpus" in rel.parts or rel.parts[0] == "data":
            continue
        prefix = comment_for(path)
        if prefix is None or not path.is_file():
            continue
        text = path.read_text(encoding="utf-8")
        head = text.splitlines()[:3]
        if any(LINE in line for line in head):
            continue
        if not fix:
            missing.append(str(rel))
            continue
        lines = text.splitlines(keepends=True)
        at = 1 if lines and lines[0].startswith("#!") else 0
        lines.insert(at, prefix + LINE + "\n")
        path.write_text("".join(lines), encoding="utf-8")
    for m in missing:
        print("no licence line:", m)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
