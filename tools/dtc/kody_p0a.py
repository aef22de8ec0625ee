"""P0A00..P0B53: hybrid drive electronics cooling, DC/DC converter, high voltage interlock, hybrid
control modules, drive motor and generator sensors, inverters, hybrid battery pack.

The hybrid block is numbered in hex, so every run here counts in hex.
"""
from slownik import CZUJNIK, lista, nastepny, rodzina

CIECZ_EN = "Motor Electronics Coolant Temperature Sensor {}"
CIECZ_PL = "Czujnik temperatury cieczy chłodzącej elektroniki silnika elektrycznego - {}"
PRADNICA_EN = "Generator Position Sensor {}"
PRADNICA_PL = "Czujnik położenia prądnicy - {}"
AKUMULATOR = "akumulatora układu hybrydowego"
IZOLACJA_EN = "Hybrid Battery Voltage Isolation Sensor {}"
IZOLACJA_PL = f"Czujnik izolacji obwodu wysokiego napięcia {AKUMULATOR} - {{}}"


def napiecie(start, litera, usterki):
    """Hybrid battery voltage sense circuits A..E, five codes each (P0B45, sense C low, left out:
    the sources give it to sense D)."""
    return rodzina(start, f"Hybrid Battery Voltage Sense {litera} {{}}",
                   f"Obwód {litera} pomiaru napięcia {AKUMULATOR} - {{}}", usterki, True)


def temperatura_akumulatora(start, czujnik, usterki):
    return rodzina(start, f"Hybrid Battery Temperature Sensor {czujnik} {{}}",
                   f"Czujnik {czujnik} temperatury {AKUMULATOR} - {{}}", usterki, True)


def wentylator(start, n, usterki):
    return rodzina(start, f"Hybrid Battery Pack Cooling Fan {n} {{}}",
                   f"Wentylator {n} chłodzenia {AKUMULATOR} - {{}}", usterki, True)


def stycznik(start, en, pl, usterki):
    return rodzina(start, f"Hybrid Battery {en} Contactor Circuit {{}}",
                   f"Stycznik {pl} {AKUMULATOR} - {{}}", usterki, True)


def polozenie(start, silnik, usterki):
    return rodzina(start, f"Drive Motor {silnik} Position Sensor {{}}",
                   f"Czujnik położenia silnika napędowego {silnik} - {{}}", usterki, True)


def sterowanie_stycznika(start, en, pl, usterki):
    return z_lukami(start, usterki, lambda kod, k: rodzina(
        kod, f"Hybrid Battery {en} Contactor {{}}", f"Stycznik {pl} {AKUMULATOR} - {{}}", k,
        True)[0])


def powietrze(start, czujnik, usterki):
    return rodzina(start, f"Hybrid Battery Pack Air Temperature Sensor {czujnik} {{}}",
                   f"Czujnik {czujnik} temperatury powietrza {AKUMULATOR} - {{}}", usterki, True)


def temperatura_silnika(start, silnik, usterki):
    return rodzina(start, f"Drive Motor {silnik} Temperature Sensor {{}}",
                   f"Czujnik temperatury silnika napędowego {silnik} - {{}}", usterki, True)


PRAD = {"N": ("", "usterka"), "NL": (" Low", "zbyt niski"), "NH": (" High", "zbyt wysoki")}
SILNIK_A = ("Drive Motor A", "silnika napędowego A")
SILNIK_B = ("Drive Motor B", "silnika napędowego B")
PRADNICA = ("Generator", "prądnicy")


def z_lukami(start, usterki, wpis):
    """Consecutive codes from start, one per key; "-" leaves out a code no source words."""
    wynik, kod = [], start
    for klucz in usterki.split():
        if klucz != "-":
            wynik.append(wpis(kod, klucz))
        kod = nastepny(kod, True)
    return wynik


def faza(start, maszyna, f, usterki):
    """The current of one phase of a drive motor or the generator."""
    en, pl = maszyna
    return z_lukami(start, usterki, lambda kod, k: (
        kod, f"{en} Phase {f} Current{PRAD[k][0]}", f"Prąd fazy {f} {pl} - {PRAD[k][1]}"))


KODY = (
    rodzina("P0A00", CIECZ_EN, CIECZ_PL, "C")
    # P0A01 is left out: no source gives its wording.
    + rodzina("P0A02", CIECZ_EN, CIECZ_PL, "L H I", True)
    + rodzina("P0A05", "Motor Electronics Coolant Pump {}",
              "Pompa cieczy chłodzącej elektroniki silnika elektrycznego - {}",
              "CCO CCL CCH", True)
    + rodzina("P0A08", "DC/DC Converter Status {}", "Sygnał stanu przetwornicy DC/DC - {}",
              "C L", True)
    # P0A10, P0A11 and P0A13 are left out: no source gives their generic wording.
    + rodzina("P0A0A", "High Voltage System Interlock {}",
              "Blokada bezpieczeństwa układu wysokiego napięcia - {}", "C CP L H I", True)
    + lista("""
P0A0F | Engine Failed to Start | Silnik spalinowy nie uruchomił się
P0A12 | DC/DC Converter Enable Circuit Low | Sygnał załączania przetwornicy DC/DC - niski poziom sygnału w obwodzie
P0A1A | Generator Control Module | Sterownik prądnicy - usterka
P0A1B | Drive Motor A Control Module | Sterownik silnika napędowego A - usterka
P0A1C | Drive Motor B Control Module | Sterownik silnika napędowego B - usterka
P0A1D | Hybrid Powertrain Control Module | Sterownik hybrydowego układu napędowego - usterka
P0A1E | Starter/Generator Control Module | Sterownik rozrusznika/prądnicy - usterka
""")
    + temperatura_silnika("P0A2A", "A", CZUJNIK)
    + lista("""
P0A2F | Drive Motor A Over Temperature | Przegrzanie silnika napędowego A
""")
    + temperatura_silnika("P0A30", "B", "C RP L H I")
    + lista("""
P0A35 | Drive Motor B Over Temperature | Przegrzanie silnika napędowego B
P0A36 | Generator Temperature Sensor Circuit | Czujnik temperatury prądnicy - usterka obwodu
""")
    + lista("""
P0A3C | Drive Motor A Inverter Over Temperature | Przegrzanie falownika silnika napędowego A
P0A3E | Generator Inverter Over Temperature | Przegrzanie falownika prądnicy
""")
    + polozenie("P0A3F", "A", CZUJNIK)
    + lista("""
P0A44 | Drive Motor A Position Sensor Circuit Overspeed | Czujnik położenia silnika napędowego A - zbyt duża prędkość obrotowa
""")
    # P0A45 and P0A48 are left out: no source gives their wording.
    + polozenie("P0A46", "B", "RP L")
    + polozenie("P0A49", "B", "I")
    + lista("""
P0A4A | Drive Motor B Position Sensor Circuit Overspeed | Czujnik położenia silnika napędowego B - zbyt duża prędkość obrotowa
""")
    # P0A4E is left out: no source gives its wording.
    + rodzina("P0A4B", PRADNICA_EN, PRADNICA_PL, "C RP L", True)
    + rodzina("P0A4F", PRADNICA_EN, PRADNICA_PL, "I", True)
    + rodzina("P0A51", "Drive Motor A Current Sensor {}",
              "Czujnik prądu silnika napędowego A - {}", "C RP L", True)
    + rodzina("P0A55", "Drive Motor B Current Sensor {}",
              "Czujnik prądu silnika napędowego B - {}", "C RP L", True)
    + faza("P0A5D", SILNIK_A, "U", "N NL NH")
    + faza("P0A60", SILNIK_A, "V", "N NL NH")
    + faza("P0A63", SILNIK_A, "W", "N")
    + faza("P0A66", SILNIK_B, "U", "N - NH")
    + faza("P0A6C", SILNIK_B, "W", "- NL")
    + faza("P0A6F", PRADNICA, "U", "N NL NH")
    + faza("P0A72", PRADNICA, "V", "N NL")
    + faza("P0A75", PRADNICA, "W", "N NL")
    + lista("""
P0A78 | Drive Motor A Inverter Performance | Falownik silnika napędowego A - nieprawidłowe działanie
P0A7A | Generator Inverter Performance | Falownik prądnicy - nieprawidłowe działanie
P0A7D | Hybrid Battery Pack State of Charge Low | Niski stan naładowania akumulatora układu hybrydowego
P0A7F | Hybrid Battery Pack Deterioration | Zużycie akumulatora układu hybrydowego
P0A80 | Replace Hybrid Battery Pack | Akumulator układu hybrydowego do wymiany
P0A8B | 14 Volt Power Module System Voltage | Napięcie modułu zasilania 14 V - usterka
P0A8D | 14 Volt Power Module System Voltage Low | Napięcie modułu zasilania 14 V - zbyt niskie
P0A8E | 14 Volt Power Module System Voltage High | Napięcie modułu zasilania 14 V - zbyt wysokie
P0A8F | 14 Volt Power Module System Performance | Moduł zasilania 14 V - nieprawidłowe działanie
P0A90 | Drive Motor A Performance | Silnik napędowy A - nieprawidłowe działanie
P0A92 | Hybrid Generator Performance | Prądnica układu hybrydowego - nieprawidłowe działanie
P0A93 | Inverter A Cooling System Performance | Układ chłodzenia falownika A - nieprawidłowe działanie
P0A94 | DC/DC Converter Performance | Przetwornica DC/DC - nieprawidłowe działanie
P0A95 | High Voltage Fuse | Bezpiecznik obwodu wysokiego napięcia - usterka
""")
    # P0A82 is left out: no source gives its wording.
    + wentylator("P0A81", 1, "CCO")
    + wentylator("P0A83", 1, "SON CCL")
    + wentylator("P0A96", 2, "CCO PSO SON CCL")
    # P0A9C, P0AC6, P0ACB and P0AE9 are left out: the sources disagree on their wording;
    # P0A9F has none.
    + temperatura_akumulatora("P0A9B", "A", "C")
    + temperatura_akumulatora("P0A9D", "A", "L H")
    + rodzina("P0AC0", "Hybrid Battery Pack Current Sensor A {}",
              "Czujnik A prądu akumulatora układu hybrydowego - {}", "RP L H", True)
    # P0AAD and P0AB2 are left out: the sources disagree on their wording.
    + powietrze("P0AAE", "A", "L H")
    + powietrze("P0AB1", "B", "C")
    + powietrze("P0AB3", "B", "L H")
    + lista("""
P0AC4 | Hybrid Powertrain Control Module Requested MIL Illumination | Sterownik hybrydowego układu napędowego - żądanie włączenia kontrolki MIL
""")
    + temperatura_akumulatora("P0AC5", "B", "C")
    + temperatura_akumulatora("P0AC7", "B", "L H IE")
    + temperatura_akumulatora("P0ACA", "C", "C")
    + temperatura_akumulatora("P0ACC", "C", "L H")
    + temperatura_akumulatora("P0AE8", "D", "C")
    + temperatura_akumulatora("P0AEA", "D", "L H")
    + stycznik("P0AA1", "Positive", "bieguna dodatniego", "SCL")
    + stycznik("P0AA4", "Negative", "bieguna ujemnego", "SCL SOP")
    + lista("""
P0AA6 | Hybrid Battery Voltage System Isolation Fault | Uszkodzenie izolacji obwodu wysokiego napięcia akumulatora układu hybrydowego
""")
    # P0AA8 is left out: no source gives its wording.
    + rodzina("P0AA7", IZOLACJA_EN, IZOLACJA_PL, "C", True)
    + rodzina("P0AA9", IZOLACJA_EN, IZOLACJA_PL, "L", True)
    + sterowanie_stycznika("P0AD9", "Positive", "bieguna dodatniego", "CCO - CCL")
    + sterowanie_stycznika("P0ADD", "Negative", "bieguna ujemnego", "CCO - CCL")
    + stycznik("P0AE2", "Precharge", "ładowania wstępnego", "SCL SOP")
    + lista("""
P0AE4 | Hybrid Battery Precharge Contactor Control Circuit | Stycznik ładowania wstępnego akumulatora układu hybrydowego - usterka obwodu sterowania
P0AE7 | Hybrid Battery Precharge Contactor Control Circuit High | Stycznik ładowania wstępnego akumulatora układu hybrydowego - wysoki poziom sygnału w obwodzie sterowania
P0AFA | Hybrid Battery System Voltage Low | Napięcie akumulatora układu hybrydowego - zbyt niskie
P0AFB | Hybrid Battery System Voltage High | Napięcie akumulatora układu hybrydowego - zbyt wysokie
""")
    + napiecie("P0B3B", "A", "C RP L H IE")
    + napiecie("P0B40", "B", "C RP L")
    + napiecie("P0B49", "C", "IE")
    + napiecie("P0B4A", "D", "C RP L H")
    + napiecie("P0B4F", "E", "C RP")
    + napiecie("P0B53", "E", "IE")
)
