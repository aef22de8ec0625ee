"""P2200..P2399: NOx sensors, oxygen sensor circuits, intake leaks, ignition coil circuits."""
from slownik import lista, rodzina, seria

SONDA_PL = "Sonda lambda (rząd {b}, czujnik {s})"


def nox(start, b):
    return (rodzina(start, f"NOx Sensor {{}} (Bank {b})", f"Czujnik NOx (rząd {b}) - {{}}",
                    "C RP LI HI II")
            + rodzina(f"P{int(start[1:]) + 5}", f"NOx Sensor Heater {{}} (Bank {b})",
                      f"Grzałka czujnika NOx (rząd {b}) - {{}}",
                      "CCO CCL CCH SC SCRP SCLI SCHI SCI"))


def obwod_sondy(start, en_obwod, pl_obwod, b, s, usterki):
    """Oxygen sensor circuits named after what they carry: current control, reference."""
    teksty = {
        "CO": ("Circuit/Open", f"usterka obwodu {pl_obwod}/przerwa"),
        "P": ("Performance", f"nieprawidłowe działanie obwodu {pl_obwod}"),
        "L": ("Circuit Low", f"niski poziom sygnału w obwodzie {pl_obwod}"),
        "H": ("Circuit High", f"wysoki poziom sygnału w obwodzie {pl_obwod}"),
    }
    wynik, kod = [], int(start[1:])
    for klucz in usterki.split():
        en, pl = teksty[klucz]
        wynik.append((f"P{kod}", f"O2 Sensor {en_obwod} {en} (Bank {b} Sensor {s})",
                      f"{SONDA_PL.format(b=b, s=s)} - {pl}"))
        kod += 1
    return wynik


def zablokowana(start, miejsca):
    wynik, kod = [], int(start[1:])
    for b, s in miejsca:
        for en, pl in (("Lean", "ubogiej"), ("Rich", "bogatej")):
            wynik.append((f"P{kod}", f"O2 Sensor Signal Stuck {en} (Bank {b} Sensor {s})",
                          f"{SONDA_PL.format(b=b, s=s)} - sygnał zablokowany na mieszance {pl}"))
            kod += 1
    return wynik




def zwarcia(start):
    wynik, kod = [], int(start[1:])
    for b, s in [(1, 1), (1, 2), (1, 3), (2, 1), (2, 2), (2, 3)]:
        wynik.append((f"P{kod}", f"O2 Sensor Signal Circuit Shorted to Heater Circuit "
                                 f"(Bank {b} Sensor {s})",
                      f"{SONDA_PL.format(b=b, s=s)} - zwarcie obwodu sygnałowego z obwodem "
                      f"grzałki"))
        kod += 1
    return wynik

CEWKI = [
    ("Ignition Coil {n} Primary Control Circuit Low",
     "Cewka zapłonowa {n} - niski poziom sygnału w obwodzie sterowania uzwojenia pierwotnego"),
    ("Ignition Coil {n} Primary Control Circuit High",
     "Cewka zapłonowa {n} - wysoki poziom sygnału w obwodzie sterowania uzwojenia pierwotnego"),
    ("Ignition Coil {n} Secondary Circuit", "Cewka zapłonowa {n} - usterka obwodu wtórnego"),
]
STUK = [("Cylinder {n} Above Knock Threshold",
         "Cylinder {n} - przekroczony próg spalania stukowego")]
AIR = "Secondary Air Injection System"
CISNIENIE = "Injector Control Pressure"
CISNIENIE_PL = "ciśnienie sterujące wtryskiwaczy"

KODY = (
    nox("P2200", 1) + nox("P2213", 2)
    + rodzina("P2226", "Barometric Pressure {}", "Czujnik ciśnienia barometrycznego - {}",
              "C RP L H I")
    + zwarcia("P2231")
    + obwod_sondy("P2237", "Positive Current Control", "sterowania prądem dodatnim", 1, 1,
                  "CO L H")
    + obwod_sondy("P2240", "Positive Current Control", "sterowania prądem dodatnim", 2, 1,
                  "CO L H")
    + obwod_sondy("P2243", "Reference Voltage", "napięcia odniesienia", 1, 1, "CO P L H")
    + obwod_sondy("P2247", "Reference Voltage", "napięcia odniesienia", 2, 1, "CO P L H")
    + obwod_sondy("P2251", "Negative Current Control", "sterowania prądem ujemnym", 1, 1,
                  "CO L H")
    + obwod_sondy("P2254", "Negative Current Control", "sterowania prądem ujemnym", 2, 1,
                  "CO L H")
    + lista(f"""
P2257 | {AIR} Control A Circuit Low | Sterowanie A układu wtrysku powietrza wtórnego - niski poziom sygnału w obwodzie
P2258 | {AIR} Control A Circuit High | Sterowanie A układu wtrysku powietrza wtórnego - wysoki poziom sygnału w obwodzie
P2259 | {AIR} Control B Circuit Low | Sterowanie B układu wtrysku powietrza wtórnego - niski poziom sygnału w obwodzie
P2260 | {AIR} Control B Circuit High | Sterowanie B układu wtrysku powietrza wtórnego - wysoki poziom sygnału w obwodzie
P2261 | Turbocharger/Supercharger Bypass Valve - Mechanical | Zawór obejściowy turbosprężarki/sprężarki - usterka mechaniczna
P2262 | Turbocharger/Supercharger Boost Pressure Not Detected - Mechanical | Turbosprężarka/sprężarka - nie wykryto ciśnienia doładowania, usterka mechaniczna
P2263 | Turbocharger/Supercharger Boost System Performance | Układ doładowania turbosprężarki/sprężarki - nieprawidłowe działanie
""")
    + rodzina("P2264", "Water in Fuel Sensor {}", "Czujnik obecności wody w paliwie - {}",
              "C RP L H I")
    + lista("""
P2269 | Water in Fuel Condition | Wykryto wodę w paliwie
""")
    + zablokowana("P2270", [(1, 2), (2, 2), (1, 3), (2, 3)])
    + lista(f"""
P2278 | O2 Sensor Signals Swapped Bank 1 Sensor 3/Bank 2 Sensor 3 | Zamienione sygnały sond lambda (rząd 1, czujnik 3 i rząd 2, czujnik 3)
P2279 | Intake Air System Leak | Nieszczelność układu dolotowego
P2280 | Air Flow Restriction/Air Leak Between Air Filter and MAF | Ograniczenie przepływu/nieszczelność między filtrem powietrza a przepływomierzem
P2281 | Air Leak Between MAF and Throttle Body | Nieszczelność między przepływomierzem a korpusem przepustnicy
P2282 | Air Leak Between Throttle Body and Intake Valves | Nieszczelność między korpusem przepustnicy a zaworami dolotowymi
""")
    + rodzina("P2283", f"{CISNIENIE} Sensor {{}}",
              "Czujnik ciśnienia sterującego wtryskiwaczy - {}", "C RP L H I")
    + lista(f"""
P2288 | {CISNIENIE} Too High | Za wysokie {CISNIENIE_PL}
P2289 | {CISNIENIE} Too High - Engine Off | Za wysokie {CISNIENIE_PL} przy wyłączonym silniku
P2290 | {CISNIENIE} Too Low | Za niskie {CISNIENIE_PL}
P2291 | {CISNIENIE} Too Low - Engine Cranking | Za niskie {CISNIENIE_PL} podczas rozruchu
P2292 | {CISNIENIE} Erratic | Niestabilne {CISNIENIE_PL}
P2293 | Fuel Pressure Regulator 2 Performance | Regulator ciśnienia paliwa 2 - nieprawidłowe działanie
""")
    + rodzina("P2294", "Fuel Pressure Regulator 2 {}", "Regulator ciśnienia paliwa 2 - {}",
              "CC CCL CCH")
    + lista("""
P2297 | O2 Sensor Out of Range During Deceleration (Bank 1 Sensor 1) | Sonda lambda (rząd 1, czujnik 1) - sygnał poza zakresem podczas zwalniania
P2298 | O2 Sensor Out of Range During Deceleration (Bank 2 Sensor 1) | Sonda lambda (rząd 2, czujnik 1) - sygnał poza zakresem podczas zwalniania
P2299 | Brake Pedal Position/Accelerator Pedal Position Incompatible | Niezgodne położenia pedału hamulca i pedału przyspieszenia
""")
    + seria("P2300", CEWKI, "ABCDEFGHIJKL")
    + seria("P2336", STUK, range(1, 13))
)
