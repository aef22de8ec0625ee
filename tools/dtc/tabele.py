#!/usr/bin/env python3
"""Writes the trouble-code description tables data/dtc900.txt and data/dtc901.txt.

The entries come from the kody_*.py modules beside this file, each a list KODY of
(code, English) or, for P codes, (code, English, Polish). The tables are Windows-1250 text
with CR LF between lines and no line end after the last one: 900 holds every letter in the
order P, B, C, U, each group under a heading line and an empty line; 901 holds the P codes.
"""
import importlib
import pathlib
import re
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches

KATALOG = pathlib.Path(__file__).resolve().parent
DANE = KATALOG.parent.parent / "data"
LITERY = "PBCU"
NAGLOWKI = {
    "P": "Diagnostic Trouble Codes - Powertrain",
    "B": "Diagnostic Trouble Codes - Body",
    "C": "Diagnostic Trouble Codes - Chassis",
    "U": "Diagnostic Trouble Codes - Network Communication",
}
KOD = re.compile(r"[PBCU][0-9A-F]{4}")
# The reader shows any other byte above 0x7F as "/nnn", so nothing else may reach the tables.
DOZWOLONE = re.compile(r"[\x20-\x7Eąćęłńóśźż ĄĆĘŁŃÓŚŹŻ]*")


def blad(tekst):
    sys.exit(f"dtc tables: {tekst}")


def sprawdz_opis(kod, opis):
    if not opis or opis != opis.strip() or "  " in opis or "|" in opis:
        blad(f"{kod}: description needs trimming: {opis!r}")
    if not DOZWOLONE.fullmatch(opis):
        blad(f"{kod}: character outside ASCII and the Polish letters: {opis!r}")
    # The reader searches the raw text, so a code inside a description would shadow its line.
    if KOD.search(opis):
        blad(f"{kod}: a code inside the description: {opis!r}")


def czytaj_wpisy():
    sys.path.insert(0, str(KATALOG))
    wpisy = {}
    for nazwa in sorted(p.stem for p in KATALOG.glob("kody_*.py")):
        for wpis in importlib.import_module(nazwa).KODY:
            kod = wpis[0]
            if not KOD.fullmatch(kod):
                blad(f"{nazwa}: bad code {kod!r}")
            if kod in wpisy:
                blad(f"{nazwa}: {kod} defined twice")
            if len(wpis) != (3 if kod[0] == "P" else 2):
                blad(f"{nazwa}: {kod}: wrong number of texts")
            for opis in wpis[1:]:
                sprawdz_opis(kod, opis)
            wpisy[kod] = wpis[1:]
    return wpisy


def kolejnosc(kod):
    return (LITERY.index(kod[0]), int(kod[1:], 16))


def zapisz(nazwa, linie):
    (DANE / nazwa).write_bytes("\r\n".join(linie).encode("cp1250"))
    print(f"{nazwa}: {len(linie)} lines")


def main():
    wpisy = czytaj_wpisy()
    kody = sorted(wpisy, key=kolejnosc)
    angielskie = []
    for litera in LITERY:
        angielskie += [NAGLOWKI[litera], ""]
        angielskie += [f"{k} {wpisy[k][0]}" for k in kody if k[0] == litera]
    zapisz("dtc900.txt", angielskie)
    zapisz("dtc901.txt", [f"{k} {wpisy[k][1]}" for k in kody if k[0] == "P"])
    for litera in LITERY:
        print(f"{litera}: {sum(1 for k in kody if k[0] == litera)} codes")


if __name__ == "__main__":
    main()
