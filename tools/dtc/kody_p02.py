"""P0200..P0299: injectors, throttle sensors B and C, fuel pump, boost, injection pump."""
from slownik import lista, rodzina, seria

CZUJNIK_KLASYCZNY = "C RP LI HI I"

WTRYSKIWACZE = [("Injector Circuit/Open - Cylinder {n}",
                 "Wtryskiwacz cylindra {n} - usterka obwodu/przerwa")]
CYLINDRY = [
    ("Cylinder {n} Injector Circuit Low", "Wtryskiwacz cylindra {n} - niski poziom sygnału w obwodzie"),
    ("Cylinder {n} Injector Circuit High", "Wtryskiwacz cylindra {n} - wysoki poziom sygnału w obwodzie"),
    ("Cylinder {n} Contribution/Balance", "Cylinder {n} - nieprawidłowy udział/równowaga pracy"),
]


def pompa_wtryskowa(start, w):
    return rodzina(start, f"Injection Pump Fuel Metering Control {w} {{}} (Cam/Rotor/Injector)",
                   f"Sterowanie dawkowaniem paliwa pompy wtryskowej {w} "
                   f"(krzywka/wirnik/wtryskiwacz) - {{}}", "N RX NL NH INT")


def upust(start, w):
    return rodzina(start, f"Turbocharger/Supercharger Wastegate Solenoid {w} {{}}",
                   f"Elektrozawór upustowy {w} turbosprężarki/sprężarki - {{}}", "N RX NL NH")


def czujnik_doladowania(start, w):
    return rodzina(start, f"Turbocharger/Supercharger Boost Sensor {w} {{}}",
                   f"Czujnik ciśnienia doładowania {w} turbosprężarki/sprężarki - {{}}",
                   "C RP L H")


KODY = (
    lista("""
P0200 | Injector Circuit/Open | Wtryskiwacze - usterka obwodu/przerwa
""")
    + seria("P0201", WTRYSKIWACZE, range(1, 13))
    + lista("""
P0213 | Cold Start Injector 1 | Wtryskiwacz rozruchowy 1 - usterka
P0214 | Cold Start Injector 2 | Wtryskiwacz rozruchowy 2 - usterka
P0215 | Engine Shutoff Solenoid | Elektrozawór wyłączania silnika - usterka
P0216 | Injector/Injection Timing Control Circuit | Sterowanie początkiem wtrysku - usterka obwodu
P0217 | Engine Coolant Over Temperature Condition | Przegrzanie cieczy chłodzącej silnika
P0218 | Transmission Fluid Over Temperature Condition | Przegrzanie oleju skrzyni biegów
P0219 | Engine Overspeed Condition | Przekroczona dopuszczalna prędkość obrotowa silnika
""")
    + rodzina("P0220", "Throttle/Pedal Position Sensor/Switch B {}",
              "Czujnik/przełącznik B położenia przepustnicy/pedału - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0225", "Throttle/Pedal Position Sensor/Switch C {}",
              "Czujnik/przełącznik C położenia przepustnicy/pedału - {}", CZUJNIK_KLASYCZNY)
    + lista("""
P0230 | Fuel Pump Primary Circuit | Pompa paliwa - usterka obwodu pierwotnego
P0231 | Fuel Pump Secondary Circuit Low | Pompa paliwa - niski poziom sygnału w obwodzie wtórnym
P0232 | Fuel Pump Secondary Circuit High | Pompa paliwa - wysoki poziom sygnału w obwodzie wtórnym
P0233 | Fuel Pump Secondary Circuit Intermittent | Pompa paliwa - sygnał przerywany w obwodzie wtórnym
P0234 | Turbocharger/Supercharger A Overboost Condition | Turbosprężarka/sprężarka A - za wysokie ciśnienie doładowania
""")
    + czujnik_doladowania("P0235", "A") + czujnik_doladowania("P0239", "B")
    + upust("P0243", "A") + upust("P0247", "B")
    + pompa_wtryskowa("P0251", "A") + pompa_wtryskowa("P0256", "B")
    + rodzina("P025A", "Fuel Pump Module A {}", "Moduł pompy paliwa A - {}", "CCO CCRP CCL CCH")
    + lista("""
P026A | Charge Air Cooler Efficiency Below Threshold | Sprawność chłodnicy powietrza doładowującego poniżej progu
""")
    + seria("P0261", CYLINDRY, range(1, 13))
    + lista("""
P0298 | Engine Oil Over Temperature | Przegrzanie oleju silnikowego
P0299 | Turbocharger/Supercharger A Underboost Condition | Turbosprężarka/sprężarka A - za niskie ciśnienie doładowania
""")
)
