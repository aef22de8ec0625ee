"""P0100..P0199: air metering, temperatures, oxygen sensors, fuel trim."""
from slownik import lista, rodzina

CZUJNIK_KLASYCZNY = "C RP LI HI I"


def sonda(start, b, s):
    return rodzina(start, f"O2 Sensor {{}} (Bank {b} Sensor {s})",
                   f"Sonda lambda (rząd {b}, czujnik {s}) - {{}}", "C LV HV SW NA") + [
        (nastepny_o(start, 5), f"O2 Sensor Heater Circuit (Bank {b} Sensor {s})",
         f"Grzałka sondy lambda (rząd {b}, czujnik {s}) - usterka obwodu")]


def nastepny_o(kod, ile):
    return kod[0] + f"{int(kod[1:]) + ile:04d}"


PRZEJSCIA = [("Rich to Lean", "z mieszanki bogatej na ubogą"),
             ("Lean to Rich", "z mieszanki ubogiej na bogatą")]


def reakcja(start, rodzaj, b, s):
    en_rodzaj, pl_rodzaj = {"Slow": ("Slow", "powolna"), "Delayed": ("Delayed", "opóźniona")}[
        rodzaj]
    wynik = []
    kod = start
    for en, pl in PRZEJSCIA:
        wynik.append((kod, f"O2 Sensor {en_rodzaj} Response - {en} Bank {b} Sensor {s}",
                      f"Sonda lambda (rząd {b}, czujnik {s}) - {pl_rodzaj} reakcja przy "
                      f"przejściu {pl}"))
        kod = kod[0] + f"{int(kod[1:], 16) + 1:04X}"
    return wynik


KODY = (
    rodzina("P0100", "Mass or Volume Air Flow {}", "Przepływomierz powietrza - {}",
            CZUJNIK_KLASYCZNY)
    + rodzina("P0105", "Manifold Absolute Pressure/Barometric Pressure {}",
              "Czujnik ciśnienia bezwzględnego w kolektorze dolotowym/ciśnienia "
              "barometrycznego - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0110", "Intake Air Temperature Sensor 1 {}",
              "Czujnik temperatury powietrza dolotowego 1 - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0115", "Engine Coolant Temperature {}",
              "Czujnik temperatury cieczy chłodzącej silnika - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0120", "Throttle/Pedal Position Sensor/Switch A {}",
              "Czujnik/przełącznik A położenia przepustnicy/pedału - {}", CZUJNIK_KLASYCZNY)
    + lista("""
P0125 | Insufficient Coolant Temperature for Closed Loop Fuel Control | Za niska temperatura cieczy chłodzącej do regulacji składu mieszanki w pętli zamkniętej
P0126 | Insufficient Coolant Temperature for Stable Operation | Za niska temperatura cieczy chłodzącej do stabilnej pracy silnika
P0127 | Intake Air Temperature Too High | Za wysoka temperatura powietrza dolotowego
P0128 | Coolant Thermostat (Coolant Temperature Below Thermostat Regulating Temperature) | Termostat - temperatura cieczy chłodzącej poniżej temperatury regulacji termostatu
P0129 | Barometric Pressure Too Low | Za niskie ciśnienie barometryczne
""")
    + sonda("P0130", 1, 1) + sonda("P0136", 1, 2) + sonda("P0142", 1, 3)
    + reakcja("P013A", "Slow", 1, 2) + reakcja("P013C", "Slow", 2, 2)
    + reakcja("P013E", "Delayed", 1, 2) + reakcja("P014A", "Delayed", 2, 2)
    + reakcja("P014C", "Slow", 1, 1) + reakcja("P014E", "Slow", 2, 1)
    + reakcja("P015A", "Delayed", 1, 1) + reakcja("P015C", "Delayed", 2, 1)
    + lista("""
P0148 | Fuel Delivery Error | Błąd dawkowania paliwa
P0149 | Fuel Timing Error | Błąd kąta wtrysku paliwa
""")
    + sonda("P0150", 2, 1) + sonda("P0156", 2, 2) + sonda("P0162", 2, 3)
    + lista("""
P0168 | Fuel Temperature Too High | Za wysoka temperatura paliwa
P0169 | Incorrect Fuel Composition | Nieprawidłowy skład paliwa
P0170 | Fuel Trim (Bank 1) | Korekta dawki paliwa (rząd 1) - usterka
P0171 | System Too Lean (Bank 1) | Zbyt uboga mieszanka (rząd 1)
P0172 | System Too Rich (Bank 1) | Zbyt bogata mieszanka (rząd 1)
P0173 | Fuel Trim (Bank 2) | Korekta dawki paliwa (rząd 2) - usterka
P0174 | System Too Lean (Bank 2) | Zbyt uboga mieszanka (rząd 2)
P0175 | System Too Rich (Bank 2) | Zbyt bogata mieszanka (rząd 2)
""")
    + rodzina("P0176", "Fuel Composition Sensor {}", "Czujnik składu paliwa - {}",
              "C RP LI HI")
    + rodzina("P0180", "Fuel Temperature Sensor A {}", "Czujnik temperatury paliwa A - {}",
              CZUJNIK_KLASYCZNY)
    + rodzina("P0185", "Fuel Temperature Sensor B {}", "Czujnik temperatury paliwa B - {}",
              CZUJNIK_KLASYCZNY)
    + rodzina("P0190", "Fuel Rail Pressure Sensor {}",
              "Czujnik ciśnienia paliwa w listwie - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0195", "Engine Oil Temperature Sensor {}",
              "Czujnik temperatury oleju silnikowego - {}", "C RP L H I")
)
