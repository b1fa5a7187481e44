#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs lupdate over the program's sources into a copy of every catalogue, as
the update_translations target would, and fails when any message there is
unfinished (a text without its translation: new, changed, or never done) or
vanished (a translated text the sources no longer hold). It lists how many of
each every catalogue has, so translators know where to look.

  check_catalogues.py LUPDATE SOURCE_ROOT SOURCES_LIST CATALOGUE.ts..."""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def counts(catalogue):
    kinds = {"messages": 0, "unfinished": 0, "vanished": 0}
    for translation in ET.parse(catalogue).getroot().iter("translation"):
        kinds["messages"] += 1
        kind = {"obsolete": "vanished"}.get(translation.get("type"), translation.get("type"))
        if kind in kinds:
            kinds[kind] += 1
    return kinds


def main(lupdate, root, sources_list, *catalogues):
    with open(sources_list, encoding="utf-8") as listing:
        sources = listing.read().split()
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(c, scratch) for c in catalogues]
        run = subprocess.run([lupdate, "-I", root, "-locations", "none", "-source-language", "en",
                              *sources, "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for copy in copies:
            kinds = counts(copy)
            failed |= kinds["unfinished"] > 0 or kinds["vanished"] > 0
            print(f"{os.path.basename(copy)}: " + ", ".join(f"{n} {k}" for k, n in kinds.items()))
    if failed:
        print("Translate the unfinished messages; bring the catalogues up to date with "
              "'cmake --build --preset default --target update_translations'.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
