#!/usr/bin/env python3
"""The guide's command-line examples, run: every `$ hari ...` line of a text block in
docs/guide.md is run from the repository's root with the built program, and what it prints must
be what the guide shows. A line "..." in the guide stands for the rest of the output.
Every picture the guide shows must be there and, in a git checkout, tracked by git: an untracked
one shows as a broken image to whoever reads the guide in the repository.

Usage: check_guide.py HARI GUIDE ROOT [GIT]
"""

import os
import re
import shlex
import subprocess
import sys


def examples(guide):
    """(command, shown lines) for each command in a ```text block."""
    blocks = re.findall(r"^```text\n(.*?)^```", guide, re.S | re.M)
    for block in blocks:
        lines = block.splitlines()
        starts = [n for n, line in enumerate(lines) if line.startswith("$ hari")]
        for k, n in enumerate(starts):
            end = starts[k + 1] if k + 1 < len(starts) else len(lines)
            yield lines[n][2:], lines[n + 1:end]


def missing_pictures(guide, guide_path, root, git):
    """The failures of the pictures ![...](path) the guide shows: missing, or untracked."""
    folder = os.path.dirname(os.path.abspath(guide_path))
    paths = sorted(set(re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", guide)))
    failures = []
    if not paths:
        return [f"no pictures found in {guide_path}"]
    tracked = None
    if git:
        inside = subprocess.run([git, "-C", root, "rev-parse", "--is-inside-work-tree"],
                                capture_output=True, text=True)
        if inside.returncode == 0:
            listed = subprocess.run([git, "-C", root, "ls-files", "-z", "--", folder],
                                    capture_output=True, text=True, check=True)
            tracked = {os.path.normpath(os.path.join(root, p))
                       for p in listed.stdout.split("\0") if p}
        else:
            print(f"note: {root} is not a git checkout; pictures checked for presence only")
    for path in paths:
        full = os.path.normpath(os.path.join(folder, path))
        if not os.path.isfile(full):
            failures.append(f"picture {path} is missing")
        elif tracked is not None and full not in tracked:
            failures.append(f"picture {path} is not tracked by git")
    print(f"{len(paths)} pictures checked")
    return failures


def main():
    hari, guide_path, root = sys.argv[1:4]
    git = sys.argv[4] if len(sys.argv) > 4 else None
    with open(guide_path, encoding="utf-8") as f:
        guide = f.read()
    root = os.path.abspath(root)
    failures = 0
    for failure in missing_pictures(guide, guide_path, root, git):
        failures += 1
        print(f"FAIL: {failure}")
    count = 0
    for command, shown in examples(guide):
        count += 1
        args = [hari] + shlex.split(command)[1:]
        run = subprocess.run(args, cwd=root, capture_output=True, text=True, timeout=30)
        printed = run.stdout.splitlines()
        if shown and shown[-1] == "...":
            shown = shown[:-1]
            printed = printed[:len(shown)]
        if run.returncode != 0 or printed != shown:
            failures += 1
            print(f"FAIL: {command} (status {run.returncode})")
            for want, got in zip(shown + [""] * len(printed), printed + [""] * len(shown)):
                if want != got:
                    print(f"  guide:   {want!r}\n  program: {got!r}")
                    break
        else:
            print(f"ok: {command}")
    if count < 4:
        print(f"FAIL: only {count} examples found in {guide_path}")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
