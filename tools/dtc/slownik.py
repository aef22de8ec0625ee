"""Shared wording of the trouble-code descriptions, English and Polish side by side.

A family of codes is one component with a run of failure kinds, as the standard numbers them:
    rodzina("P0110", "Intake Air Temperature Sensor 1 {}",
            "Czujnik temperatury powietrza dolotowego 1 - {}", "C RP L H I")
gives P0110..P0114 with "Circuit", "Circuit Range/Performance" and so on in place of {}.
"""

# Failure kinds: key -> (English wording, Polish wording).
USTERKI = {
    "C": ("Circuit", "usterka obwodu"),
    "CO": ("Circuit/Open", "usterka obwodu/przerwa"),
    "O": ("Circuit Open", "przerwa w obwodzie"),
    "SH": ("Circuit Shorted", "zwarcie w obwodzie"),
    "M": ("Circuit Malfunction", "usterka obwodu"),
    "RP": ("Circuit Range/Performance", "nieprawidłowy zakres/działanie obwodu"),
    "RX": ("Range/Performance", "nieprawidłowy zakres/działanie"),
    "N": ("", "usterka"),
    "NL": ("Low", "niski poziom sygnału"),
    "NH": ("High", "wysoki poziom sygnału"),
    "P": ("Performance", "nieprawidłowe działanie"),
    "CP": ("Circuit Performance", "nieprawidłowe działanie obwodu"),
    "L": ("Circuit Low", "niski poziom sygnału w obwodzie"),
    "H": ("Circuit High", "wysoki poziom sygnału w obwodzie"),
    "LI": ("Circuit Low Input", "niski sygnał wejściowy"),
    "HI": ("Circuit High Input", "wysoki sygnał wejściowy"),
    "LV": ("Circuit Low Voltage", "niskie napięcie w obwodzie"),
    "HV": ("Circuit High Voltage", "wysokie napięcie w obwodzie"),
    "I": ("Circuit Intermittent", "sygnał przerywany w obwodzie"),
    "IE": ("Circuit Intermittent/Erratic", "sygnał przerywany/niestabilny w obwodzie"),
    "NA": ("Circuit No Activity Detected", "brak aktywności sondy"),
    "SW": ("Circuit Slow Response", "powolna reakcja"),
    "NS": ("Circuit No Signal", "brak sygnału w obwodzie"),
    "CC": ("Control Circuit", "usterka obwodu sterowania"),
    "CCO": ("Control Circuit/Open", "usterka obwodu sterowania/przerwa"),
    "CCRP": ("Control Circuit Range/Performance",
             "nieprawidłowy zakres/działanie obwodu sterowania"),
    "CCL": ("Control Circuit Low", "niski poziom sygnału w obwodzie sterowania"),
    "CCH": ("Control Circuit High", "wysoki poziom sygnału w obwodzie sterowania"),
    "CCP": ("Control Circuit Performance", "nieprawidłowe działanie obwodu sterowania"),
    "PSO": ("Performance/Stuck Off", "nieprawidłowe działanie/zablokowanie w stanie wyłączonym"),
    "PSOo": ("Performance or Stuck Off",
             "nieprawidłowe działanie lub zablokowanie w stanie wyłączonym"),
    "SON": ("Stuck On", "zablokowanie w stanie włączonym"),
    "SOP": ("Stuck Open", "zablokowanie w pozycji otwartej"),
    "SCL": ("Stuck Closed", "zablokowanie w pozycji zamkniętej"),
    "EL": ("Electrical", "usterka elektryczna"),
    "INT": ("Intermittent", "sygnał przerywany"),
    "MAL": ("Malfunction", "usterka"),
    "SC": ("Sense Circuit", "usterka obwodu pomiarowego"),
    "SCO": ("Sense Circuit/Open", "usterka obwodu pomiarowego/przerwa"),
    "SCRP": ("Sense Circuit Range/Performance",
             "nieprawidłowy zakres/działanie obwodu pomiarowego"),
    "SCLo": ("Sense Circuit Low", "niski poziom sygnału w obwodzie pomiarowym"),
    "SCHi": ("Sense Circuit High", "wysoki poziom sygnału w obwodzie pomiarowym"),
    "SCI": ("Sense Circuit Intermittent", "sygnał przerywany w obwodzie pomiarowym"),
    "SCIE": ("Sense Circuit Intermittent/Erratic",
             "sygnał przerywany/niestabilny w obwodzie pomiarowym"),
    "II": ("Circuit Intermittent Input", "przerywany sygnał wejściowy"),
    "SCLI": ("Sense Circuit Low Input", "niski sygnał wejściowy w obwodzie pomiarowym"),
    "SCHI": ("Sense Circuit High Input", "wysoki sygnał wejściowy w obwodzie pomiarowym"),
    "SV": ("Supply Voltage Circuit", "usterka obwodu napięcia zasilania"),
    "SVO": ("Supply Voltage Circuit/Open", "usterka obwodu napięcia zasilania/przerwa"),
    "SVL": ("Supply Voltage Circuit Low", "niskie napięcie zasilania"),
    "SVH": ("Supply Voltage Circuit High", "wysokie napięcie zasilania"),
}

# The usual runs of failure kinds.
CZUJNIK = "C RP L H I"           # sensor circuit, range/performance, low, high, intermittent
CZUJNIK_IE = "C RP L H IE"       # the same with intermittent/erratic
STEROWANIE = "CCO CCRP CCL CCH"  # control circuit open, range/performance, low, high


def scal(tekst):
    """Single spaces only: a kind with no English words leaves a gap in the pattern."""
    return " ".join(tekst.split())


def nastepny(kod, szesnastkowo=False):
    """The next code: codes written with only digits count in decimal, the others in hex.

    Runs added late to the standard count in hex from a start of digits alone.
    """
    cyfry = kod[1:]
    if cyfry.isdigit() and not szesnastkowo:
        return kod[0] + f"{int(cyfry) + 1:04d}"
    return kod[0] + f"{int(cyfry, 16) + 1:04X}"


def rodzina(start, en, pl, usterki, szesnastkowo=False):
    """Consecutive codes from start: one per failure kind, {} in both texts replaced."""
    wynik, kod = [], start
    for klucz in usterki.split():
        en_usterka, pl_usterka = USTERKI[klucz]
        wynik.append((kod, scal(en.format(en_usterka)), scal(pl.format(pl_usterka))))
        kod = nastepny(kod, szesnastkowo)
    return wynik


def kolejne(start, teksty, szesnastkowo=False):
    """Consecutive codes from start, one per text (English only: the letters other than P)."""
    wynik, kod = [], start
    for tekst in teksty:
        wynik.append((kod, tekst))
        kod = nastepny(kod, szesnastkowo)
    return wynik


def seria(start, wzory, liczby):
    """Consecutive codes, one per value: each pattern pair formatted with the value."""
    wynik, kod = [], start
    for n in liczby:
        for en, pl in wzory:
            wynik.append((kod, en.format(n=n), pl.format(n=n)))
            kod = nastepny(kod)
    return wynik


def lista(tekst):
    """Entries written one a line as CODE | English | Polish (Polish may be absent)."""
    wynik = []
    for linia in tekst.strip().splitlines():
        pola = [p.strip() for p in linia.split("|")]
        wynik.append(tuple(pola))
    return wynik
