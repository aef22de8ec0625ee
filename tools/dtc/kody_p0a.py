"""P0A00..P0A0F: hybrid drive electronics cooling, DC/DC converter status, high voltage interlock.

The hybrid block is numbered in hex, so every run here counts in hex.
"""
from slownik import lista, rodzina

CIECZ_EN = "Motor Electronics Coolant Temperature Sensor {}"
CIECZ_PL = "Czujnik temperatury cieczy chłodzącej elektroniki silnika elektrycznego - {}"

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
""")
)
