"""P0A00..P0AC2: hybrid drive electronics cooling, DC/DC converter, high voltage interlock, hybrid
control modules, drive motor and generator sensors, inverters, hybrid battery pack.

The hybrid block is numbered in hex, so every run here counts in hex.
"""
from slownik import CZUJNIK, lista, nastepny, rodzina

CIECZ_EN = "Motor Electronics Coolant Temperature Sensor {}"
CIECZ_PL = "Czujnik temperatury cieczy chłodzącej elektroniki silnika elektrycznego - {}"
PRADNICA_EN = "Generator Position Sensor {}"
PRADNICA_PL = "Czujnik położenia prądnicy - {}"
AKU_TEMP_EN = "Hybrid Battery Temperature Sensor A {}"
AKU_TEMP_PL = "Czujnik temperatury akumulatora układu hybrydowego A - {}"


def temperatura_silnika(start, silnik, usterki):
    return rodzina(start, f"Drive Motor {silnik} Temperature Sensor {{}}",
                   f"Czujnik temperatury silnika napędowego {silnik} - {{}}", usterki, True)


PRAD = {"N": ("", "usterka"), "NL": (" Low", "zbyt niski"), "NH": (" High", "zbyt wysoki")}
SILNIK_A = ("Drive Motor A", "silnika napędowego A")
SILNIK_B = ("Drive Motor B", "silnika napędowego B")
PRADNICA = ("Generator", "prądnicy")


def faza(start, maszyna, f, usterki):
    """The current of one phase of a drive motor or the generator, as much of the run as the
    sources give; a "-" skips a code."""
    (en_maszyna, pl_maszyna), wynik, kod = maszyna, [], start
    for klucz in usterki.split():
        if klucz != "-":
            en, pl = PRAD[klucz]
            wynik.append((kod, f"{en_maszyna} Phase {f} Current{en}",
                          f"Prąd fazy {f} {pl_maszyna} - {pl}"))
        kod = nastepny(kod, True)
    return wynik


KODY = (
    rodzina("P0A00", CIECZ_EN, CIECZ_PL, "C")
    # P0A01 is left out: no source gives its wording.
    + rodzina("P0A02", CIECZ_EN, CIECZ_PL, "L H I", True)
    + rodzina("P0A05", "Motor Electronics Coolant Pump {}",
              "Pompa cieczy chłodzącej elektroniki silnika elektrycznego - {}",
              "CCO CCL CCH", True)
    + rodzina("P0A08", "DC/DC Converter Status {}", "Sygnał stanu przetwornicy DC/DC - {}",
              "C L", True)
    + rodzina("P0A0A", "High Voltage System Interlock {}",
              "Blokada bezpieczeństwa układu wysokiego napięcia - {}", "C CP L H I", True)
    + lista("""
P0A0F | Engine Failed to Start | Silnik spalinowy nie uruchomił się
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
    + temperatura_silnika("P0A30", "B", "C RP L H")
    + rodzina("P0A3F", "Drive Motor A Position Sensor {}",
              "Czujnik położenia silnika napędowego A - {}", CZUJNIK, True)
    + lista("""
P0A44 | Drive Motor A Position Sensor Circuit Overspeed | Czujnik położenia silnika napędowego A - zbyt duża prędkość obrotowa
P0A4A | Drive Motor B Position Sensor Circuit Overspeed | Czujnik położenia silnika napędowego B - zbyt duża prędkość obrotowa
P0A3C | Drive Motor A Inverter Over Temperature | Przegrzanie falownika silnika napędowego A
P0A3E | Generator Inverter Over Temperature | Przegrzanie falownika prądnicy
""")
    # P0A4E is left out: no source gives its wording.
    + rodzina("P0A4B", PRADNICA_EN, PRADNICA_PL, "C RP L", True)
    + rodzina("P0A4F", PRADNICA_EN, PRADNICA_PL, "I", True)
    + rodzina("P0A51", "Drive Motor A Current Sensor {}",
              "Czujnik prądu silnika napędowego A - {}", "C RP L", True)
    + faza("P0A5D", SILNIK_A, "U", "N NL NH")
    + faza("P0A60", SILNIK_A, "V", "N NL NH")
    + faza("P0A63", SILNIK_A, "W", "N")
    # P0A67 is left out: no source gives its wording.
    + faza("P0A66", SILNIK_B, "U", "N - NH")
    + faza("P0A6F", PRADNICA, "U", "N NL NH")
    + faza("P0A72", PRADNICA, "V", "N")
    + faza("P0A75", PRADNICA, "W", "N")
    + lista("""
P0A78 | Drive Motor A Inverter Performance | Falownik silnika napędowego A - nieprawidłowe działanie
P0A7A | Generator Inverter Performance | Falownik prądnicy - nieprawidłowe działanie
P0A7D | Hybrid Battery Pack State of Charge Low | Niski stan naładowania akumulatora układu hybrydowego
P0A7F | Hybrid Battery Pack Deterioration | Zużycie akumulatora układu hybrydowego
P0A80 | Replace Hybrid Battery Pack | Akumulator układu hybrydowego do wymiany
P0A81 | Hybrid Battery Pack Cooling Fan 1 Control Circuit/Open | Wentylator 1 chłodzenia akumulatora układu hybrydowego - usterka obwodu sterowania/przerwa
P0A84 | Hybrid Battery Pack Cooling Fan 1 Control Circuit Low | Wentylator 1 chłodzenia akumulatora układu hybrydowego - niski poziom sygnału w obwodzie sterowania
P0A83 | Hybrid Battery Pack Cooling Fan 1 Stuck On | Wentylator 1 chłodzenia akumulatora układu hybrydowego - zablokowanie w stanie włączonym
P0A90 | Drive Motor A Performance | Silnik napędowy A - nieprawidłowe działanie
P0A92 | Hybrid Generator Performance | Prądnica układu hybrydowego - nieprawidłowe działanie
P0A93 | Inverter A Cooling System Performance | Układ chłodzenia falownika A - nieprawidłowe działanie
P0A94 | DC/DC Converter Performance | Przetwornica DC/DC - nieprawidłowe działanie
P0A95 | High Voltage Fuse | Bezpiecznik obwodu wysokiego napięcia - usterka
P0A96 | Hybrid Battery Pack Cooling Fan 2 Control Circuit/Open | Wentylator 2 chłodzenia akumulatora układu hybrydowego - usterka obwodu sterowania/przerwa
""")
    # P0A9C, P0A9E and P0A9F are left out: no source gives their wording.
    + rodzina("P0A9B", AKU_TEMP_EN, AKU_TEMP_PL, "C", True)
    + rodzina("P0A9D", AKU_TEMP_EN, AKU_TEMP_PL, "L", True)
    + rodzina("P0AC0", "Hybrid Battery Pack Current Sensor A {}",
              "Czujnik prądu akumulatora układu hybrydowego A - {}", "RP L H", True)
    + lista("""
P0AA1 | Hybrid Battery Positive Contactor Circuit Stuck Closed | Stycznik bieguna dodatniego akumulatora układu hybrydowego - zablokowanie w pozycji zamkniętej
P0AA6 | Hybrid Battery Voltage System Isolation Fault | Uszkodzenie izolacji obwodu wysokiego napięcia akumulatora układu hybrydowego
""")
)
