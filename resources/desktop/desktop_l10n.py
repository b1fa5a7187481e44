#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills the desktop file's or the AppStream metadata's template with its
words from the catalogues: each line holding a $key gets the English text,
followed by one line per language whose catalogue translates every key on it.

  desktop_l10n.py TEMPLATE OUTPUT CATALOGUE.ts...   writes OUTPUT
  desktop_l10n.py --english KEY CATALOGUE.ts        prints one English text

Keys are the disambiguations of the "Desktop" context (resources/desktop/
DesktopTexts.h) and the string table's ids ($109)."""
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

KEY = re.compile(r"\$(\w+)")


def read(catalogue):
    """(language, {key: English}, {key: translation}) of one .ts file, the
    language from its name (mirel_pt_BR.ts: pt_BR), as the desktop writes it."""
    root = ET.parse(catalogue).getroot()
    language = os.path.basename(catalogue)[len("mirel_"):-len(".ts")]
    english, translated = {}, {}
    for context in root.iter("context"):
        if context.findtext("name") not in ("Desktop", "StringTable"):
            continue
        for message in context.iter("message"):
            key = message.findtext("comment")
            english[key] = message.findtext("source")
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                translated[key] = translation.text
    return language, english, translated


def localized(line, language, xml):
    """The line as one in another language: Key[ll]= or <tag xml:lang="ll">."""
    if xml:
        return re.sub(r"<(\w+)", rf'<\1 xml:lang="{language}"', line, count=1)
    return re.sub(r"^(\w+)=", rf"\1[{language}]=", line)


def fill(line, words, xml):
    text = lambda m: escape(words[m.group(1)]) if xml else words[m.group(1)].replace("\n", " ")
    return KEY.sub(text, line)


def main(argv):
    if argv[1] == "--english":
        print(read(argv[3])[1][argv[2]])
        return 0
    template, output, catalogues = argv[1], argv[2], [read(c) for c in argv[3:]]
    xml = output.endswith(".xml")
    english = catalogues[0][1]
    lines = []
    for line in open(template, encoding="utf-8").read().splitlines():
        keys = KEY.findall(line)
        if not keys:
            lines.append(line)
            continue
        lines.append(fill(line, english, xml))
        for language, _, translated in sorted(catalogues):
            if all(k in translated for k in keys):
                lines.append(localized(fill(line, translated, xml), language, xml))
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
