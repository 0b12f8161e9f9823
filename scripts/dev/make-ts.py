#!/usr/bin/env python3
"""Brings resources/translations/ampora_de.ts up to date with the texts the program translates:
the string table, the tray menu and the template texts that stay visible. The .ts file (Qt
Linguist's own format) is where the German texts live: this script keeps every translation it
finds there, adds a text that is new as unfinished (to be translated in Linguist or by hand)
and drops one the program no longer has. The build turns the .ts file into TransBat.lng with
lrelease.
    scripts/dev/make-ts.py        (after adding, changing or removing a text)"""
import html, re, sys
import xml.etree.ElementTree as ET
from pathlib import Path

top = Path(__file__).resolve().parents[2]
ts_path = top / "resources/translations/ampora_de.ts"

def c_string(s):
    return s.encode().decode("unicode_escape").encode("latin-1").decode("utf-8")

table = (top / "resources/StringTable.cpp").read_text()
menu = (top / "resources/Resources.cpp").read_text()
# context -> [(comment, source)] in the program's order
wanted = {
    "StringTable": [(num, c_string(text)) for num, text in re.findall(
        r'\{(\d+), QT_TRANSLATE_NOOP3\("StringTable", "((?:[^"\\]|\\.)*)", "\d+"\)\}', table)],
    "TrayMenu": [(None, c_string(text)) for text in re.findall(
        r'QT_TRANSLATE_NOOP\("TrayMenu", "((?:[^"\\]|\\.)*)"\)', menu)],
    "DialogTemplate": [(None, "OK")],
}

# What the .ts file holds today: (context, comment, source) -> translation, None if unfinished.
known = {}
for context in ET.parse(ts_path).getroot().iter("context"):
    name = context.findtext("name")
    for m in context.iter("message"):
        t = m.find("translation")
        done = t is not None and t.get("type") not in ("unfinished", "obsolete", "vanished")
        known[(name, m.findtext("comment"), m.findtext("source"))] = t.text if done else None

def esc(s):
    # Character references keep CR and tab exact: XML readers fold a literal CR LF into LF.
    return html.escape(s, quote=False).replace("\r", "&#xd;").replace("\t", "&#x9;").replace("\n", "&#xa;")

parts = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
         '<TS version="2.1" language="de_DE" sourcelanguage="en_US">']
untranslated = []
for context, messages in wanted.items():
    parts += ['<context>', f'    <name>{context}</name>']
    for comment, source in messages:
        translation = known.get((context, comment, source))
        parts.append("    <message>")
        if comment:
            parts.append(f"        <comment>{comment}</comment>")
        parts.append(f"        <source>{esc(source)}</source>")
        if translation is None:
            untranslated.append(comment or source)
            parts.append('        <translation type="unfinished"></translation>')
        else:
            parts.append(f"        <translation>{esc(translation)}</translation>")
        parts.append("    </message>")
    parts.append('</context>')
parts += ['</TS>', '']
ts_path.write_text("\n".join(parts))
if untranslated:
    print("no German text yet for", untranslated, file=sys.stderr)
