"""P0A00..P0A80: hybrid drive electronics cooling, DC/DC converter status, high voltage interlock,
hybrid control modules, drive motor temperature and position sensors, hybrid battery pack.

The hybrid block is numbered in hex, so every run here counts in hex.
"""
from slownik import CZUJNIK, lista, rodzina

CIECZ_EN = "Motor Electronics Coolant Temperature Sensor {}"
CIECZ_PL = "Czujnik temperatury cieczy chłodzącej elektroniki silnika elektrycznego - {}"


def temperatura_silnika(start, silnik, usterki):
    return rodzina(start, f"Drive Motor {silnik} Temperature Sensor {{}}",
                   f"Czujnik temperatury silnika napędowego {silnik} - {{}}", usterki, True)


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
    + temperatura_silnika("P0A30", "B", "C RP")
    + rodzina("P0A3F", "Drive Motor A Position Sensor {}",
              "Czujnik położenia silnika napędowego A - {}", CZUJNIK, True)
    + lista("""
P0A7F | Hybrid Battery Pack Deterioration | Zużycie akumulatora układu hybrydowego
P0A80 | Replace Hybrid Battery Pack | Akumulator układu hybrydowego do wymiany
""")
)
