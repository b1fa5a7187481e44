#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a test-only catalogue whose every translation is its English text
made 40 % longer, in accented letters of about the same width as the plain
ones (Copies: ÇöpïéšÇöp), so a suite can see what a wordier language does to the
panel. Placeholders (%1, %n) and access keys (&) stay as they are.

  pseudo_ts.py CATALOGUE.ts OUTPUT.ts"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans("aceinosuyACEINOSUY", "áçéïñöšüýÁÇÉÏÑÖŠÜÝ")


def longer(text):
    letters = re.sub(r"%L?\d|%n|&|\W|\d", "", text) or "x"
    pad = math.ceil(len(text) * 0.4)
    return (text + (letters * pad)[:pad]).translate(ACCENTS)


def main(catalogue, output):
    tree = ET.parse(catalogue)
    tree.getroot().set("language", "en")
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        text = longer(message.findtext("source"))
        if message.get("numerus") == "yes":
            for form in translation.findall("numerusform"):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
