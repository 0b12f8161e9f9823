#!/usr/bin/env python3
"""Writes resources/translations/ampora_de.ts from the string table, the tray menu and the
template texts that stay visible, with the German texts below. Run it after adding strings;
lrelease then turns the .ts file into TransBat.lng."""
import re, sys, html
from pathlib import Path

top = Path(__file__).resolve().parents[2]
table = (top / "resources/StringTable.cpp").read_text()
entries = re.findall(r'\{(\d+), QT_TRANSLATE_NOOP3\("StringTable", "((?:[^"\\]|\\.)*)", "\d+"\)\}', table)

DE = {
 101: "Über Ampora...", 102: "Gesamtkapazität:", 103: "Stromquelle:", 104: "Akkuzustand:",
 105: "Restladung:", 106: "Restzeit:", 107: "Gesamtzeit:", 108: "Anzahl Messungen",
 109: "Laufzeit", 110: "Entladerate", 111: "Messdauer:", 112: "Start", 113: "Stopp",
 114: "Daten ansehen", 115: "Daten sichern", 116: "Akku-Info", 117: "Über", 118: "System-Info",
 119: "Einstellungen", 120: "Hilfe", 121: "Beenden", 123: "k. A.", 124: "Akkudetails",
 125: "Messung", 126: "Nicht vorhanden", 127: "Netz", 128: "Aktuelle Kapazität:", 129: "Spannung:",
 130: "Niedrig", 131: "Hoch", 132: "Kritisch", 133: "Lädt", 134: "Kein Akku", 135: "Ladung:",
 136: "Prozessor aktuell MHz:", 137: "USV vorhanden:", 138: "Prozessordrosselung:",
 139: "Min. Drosselung:", 140: "Max. Drosselung:", 141: "Thermozone:", 142: "Bildschirm dimmbar:",
 143: "APM-BIOS-Energieverwaltung:", 144: "Festplatten-Abschaltung:", 145: "Lüfter-Toleranz %:",
 146: "Ja", 147: "Nein", 148: "Status:", 149: "Hersteller:", 150: "Gerätename:", 151: "Geräte-ID:",
 152: "Restzeit:", 153: "Akkutemperatur:", 154: "Herstellungsdatum:", 155: "Verwendung:",
 156: "Wiederaufladbar:", 157: "Chemie:", 158: "Nennkapazität:", 159: "Volle Kapazität:",
 160: "Aktuelle Kapazität:", 161: "Warnstufen:", 162: "Kritische Reserve:", 163: "Ladezyklen:",
 164: "Spannung:", 165: "Laderate:", 166: "Seriennummer:", 167: "Nicht unterstützt",
 168: "Netzbetrieb", 169: "Entlädt", 170: "Lädt", 171: "Kritisch", 172: "Normalbetrieb",
 174: "Ampora Version 1.0", 175: "Akku-Monitor für Laptops", 177: "Prozessor max. MHz:",
 180: "Akku", 181: "Unbekannt", 182: "Ampora", 184: "Mit gesicherten Daten vergleichen",
 191: "Status", 192: "Name", 193: "Eigenschaften", 194: "Aktueller Zustand", 195: "Zeit:",
 196: "Messung Nr.:", 197: "Läuft", 198: "Gestoppt",
 199: "\\tStandby erkannt. \\r\\nDie Messung wird deshalb gestoppt !",
 200: "Die Energieverwaltung des Computers hat sich geändert (Akku wurde: %s). \\r\\n",
 201: "\\tDie Einstellungen werden deshalb aktualisiert",
 202: " und die Messung gestoppt", 203: "hinzugefügt", 204: "entfernt",
 209: "Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.",
 210: "Beim Lesen des Feldes „%1“.", 211: "Beim Lesen des Feldes „%1“ von Akku %2.",
 212: "Beim Lesen von Akku %1.", 213: "Formatnummer", 214: "Akkuanzahl", 215: "Messdauer",
 216: "Anzahl Messungen", 217: "Sekundenzähler", 218: "Gerätename", 219: "Hersteller",
 220: "Seriennummer", 221: "Geräte-ID", 222: "Chemie", 223: "%1 ist beschädigt.",
 224: "Die Akkuanzahl ist negativ (%1).",
 225: "Die Datei gibt %1 Akkus an, hat aber höchstens für %2 Platz.",
 226: "Das Feld „%1“ von Akku %2 ist %3 Bytes lang; erlaubt sind höchstens %4.",
 227: "Die Anzahl der Messungen ist negativ (%1).",
 228: "%1 kann nicht geöffnet werden: %2.", 229: "%1 kann nicht gelesen werden: %2.",
 230: "%1 kann nicht gesichert werden: %2.",
 231: "%1 ist ein Ordner, ein Gerät oder eine Pipe, keine Datei.",
 232: "Die Datei %1 endet mitten in den Messungen: Sie gibt %2 Messungen an, davon sind %3 vollständig.\\nNur die vollständigen Messungen werden angezeigt.",
 233: "%1 existiert bereits.\\nSoll die Datei ersetzt werden?",
 234: "Das Protokoll %1 kann nicht geschrieben werden: %2.\\nDie Messung läuft ohne Protokoll weiter; ihre Messungen bleiben zum „Speichern“ erhalten.",
 61703: "Die Hilfe konnte nicht geöffnet werden.",
}
MENU = {"Show &window": "&Fenster zeigen", "&Start": "&Start", "&Baterry info": "&Akku-Info",
        "System &info": "System-&Info", "&Exit": "&Beenden"}
TEMPLATE = {"OK": "OK"}

def unescape(s):
    return s.encode().decode("unicode_escape").encode("latin-1").decode("utf-8")

def esc(s):
    # Character references keep CR and tab exact: XML readers fold a literal CR LF into LF.
    return html.escape(s, quote=False).replace("\r", "&#xd;").replace("\t", "&#x9;").replace("\n", "&#xa;")

def msg(src, tr, comment=None):
    out = ["    <message>"]
    if comment:
        out.append(f"        <comment>{comment}</comment>")
    out.append(f"        <source>{esc(src)}</source>")
    out.append(f"        <translation>{esc(tr)}</translation>")
    out.append("    </message>")
    return "\n".join(out)

parts = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
         '<TS version="2.1" language="de_DE" sourcelanguage="en_US">',
         '<context>', '    <name>StringTable</name>']
missing = []
for num, text in entries:
    n = int(num)
    if n not in DE:
        missing.append(n)
        continue
    parts.append(msg(unescape(text), unescape(DE[n]), num))
parts += ['</context>', '<context>', '    <name>TrayMenu</name>']
parts += [msg(k, v) for k, v in MENU.items()]
parts += ['</context>', '<context>', '    <name>DialogTemplate</name>']
parts += [msg(k, v) for k, v in TEMPLATE.items()]
parts += ['</context>', '</TS>', '']
(top / "resources/translations/ampora_de.ts").write_text("\n".join(parts))
if missing:
    print("no German text for", missing, file=sys.stderr)
