#!/usr/bin/env python3
"""Moves source files and repoints every include of them.

Usage: scripts/move_sources.py OLD NEW [OLD NEW ...]   (paths from the root)

Each OLD file that is still there is moved to NEW with `git mv`. Then every
tracked text file is rewritten: an include (a quoted or angled #include, or a
Designer form's <header> line) that names a moved file, beside the including
file or from the root as scripts/check_layers.sh resolves it, names it by
its new path from the root; a moved file's own includes of its old
neighbours are written from the root too, so they still resolve; and any
other mention of an old path (comments, CMake files, documentation) becomes
the new path. Every change is printed as FILE:LINE: OLD -> NEW, and the
blocks of includes it touched are sorted again by clang-format, as the house
style keeps them.

Running it again with the same moves changes nothing, so after a merge that
brings in new includes of the old paths it repoints those alone.
"""
import os
import re
import shutil
import subprocess
import sys

INCLUDE = re.compile(r'^(\s*#\s*include\s*)([<"])([^>"]+)([>"])')
HEADER = re.compile(r'(<header>\s*)([^<\s]+)(\s*</header>)')


def normalized(path):
    parts = []
    for part in path.split("/"):
        if part in ("", "."):
            continue
        if part == "..":
            if parts:
                parts.pop()
        else:
            parts.append(part)
    return "/".join(parts)


def main(argv):
    if len(argv) < 2 or len(argv) % 2:
        sys.exit(__doc__)
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True, text=True,
                          check=True).stdout.strip()
    os.chdir(root)
    moves = {normalized(argv[i]): normalized(argv[i + 1]) for i in range(0, len(argv), 2)}
    for old, new in moves.items():
        if not os.path.isfile(old) and not os.path.isfile(new):
            sys.exit(f"move_sources: neither {old} nor {new} is a file of the tree")
    moving = {old for old in moves if os.path.isfile(old)}
    for old in moving:
        if os.path.isfile(moves[old]):
            sys.exit(f"move_sources: {moves[old]} is there already; {old} not moved")

    def target_of(folder, name):
        """The file an include names, as the layering check resolves it,
        including the files that have moved away already."""
        beside = normalized(f"{folder}/{name}")
        if os.path.isfile(beside):
            return beside
        if os.path.isfile(name):
            return normalized(name)
        if beside in moves:
            return beside
        if normalized(name) in moves:
            return normalized(name)
        return None

    def repointed(file, name):
        """The new text of an include of `name` in `file`, or None."""
        target = target_of(os.path.dirname(file) or ".", name)
        if target is None:
            return None
        if target in moves:
            return moves[target]
        # A moved file's include of a neighbour by a path from its old folder.
        if file in moving and name != target:
            return target
        return None

    mention = re.compile(r"(?<![\w.-])(" + "|".join(re.escape(old) for old in moves) + r")(?![\w.])")
    files = subprocess.run(["git", "ls-files", "-z"], capture_output=True, text=True,
                           check=True).stdout.split("\0")
    script = os.path.relpath(os.path.abspath(__file__), root)
    changed = 0
    clang_format = shutil.which("clang-format")
    if clang_format is None:
        print("move_sources: clang-format is not installed; the repointed includes are left unsorted")
    for file in sorted(f for f in files if f and f != script and os.path.isfile(f)):
        try:
            with open(file, encoding="utf-8", newline="") as f:
                lines = f.read().splitlines(keepends=True)
        except UnicodeDecodeError:
            continue
        out = []
        touched = []
        for number, line in enumerate(lines, 1):
            new = line
            if m := INCLUDE.match(line):
                if (to := repointed(file, m.group(3))) is not None:
                    new = line[:m.start(3)] + to + line[m.end(3):]
            elif m := HEADER.search(line):
                if (to := repointed(file, m.group(2))) is not None:
                    new = line[:m.start(2)] + to + line[m.end(2):]
            else:
                new = mention.sub(lambda old: moves[old.group(1)], line)
            if new != line:
                print(f"{file}:{number}: {line.strip()} -> {new.strip()}")
                changed += 1
                touched.append(number)
            out.append(new)
        if out != lines:
            with open(file, "w", encoding="utf-8", newline="") as f:
                f.write("".join(out))
            if clang_format and file.endswith((".h", ".hpp", ".cpp", ".cpp.in")):
                ranges = [f"--lines={n}:{n}" for n in touched]
                subprocess.run([clang_format, "-i", "--style=file", *ranges, file], check=True)

    for old in sorted(moving):
        new = moves[old]
        os.makedirs(os.path.dirname(new), exist_ok=True)
        subprocess.run(["git", "mv", old, new], check=True)
        print(f"moved {old} -> {new}")
    print(f"move_sources: {len(moving)} files moved, {changed} lines repointed")


if __name__ == "__main__":
    main(sys.argv[1:])
