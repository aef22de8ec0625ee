"""P2400..P2599: evaporative system, secondary air, particulate filter, charging, inputs."""
from slownik import lista, rodzina

EVAP = "Evaporative Emission System"
AIR = "Secondary Air Injection System"
AIR_PL = "układu wtrysku powietrza wtórnego"
DPF = "Diesel Particulate Filter"
CZUJNIK = "C RP L H I"


def czujnik_air(start, b):
    return rodzina(start, f"{AIR} Air Flow/Pressure Sensor {{}} (Bank {b})",
                   f"Czujnik przepływu/ciśnienia powietrza wtórnego (rząd {b}) - {{}}",
                   "C RP L H IE")


def czujnik_dpf(start, w):
    return rodzina(start, f"{DPF} Pressure Sensor {w} {{}}",
                   f"Czujnik ciśnienia filtra cząstek stałych {w} - {{}}", "C RP L H IE")


def temperatura_poza(start, miejsca):
    wynik, kod = [], int(start[1:], 16)
    for b, s in miejsca:
        wynik.append((f"P{kod:04X}", f"Exhaust Gas Temperature Out of Range Bank {b} Sensor {s}",
                      f"Temperatura spalin poza zakresem (rząd {b}, czujnik {s})"))
        kod += 1
    return wynik


def stacyjka(start, en, pl):
    return rodzina(start, f"Ignition Switch {en} Position {{}}", f"Stacyjka - położenie {pl} - {{}}",
                   "C L H")


def moment(start, w):
    return rodzina(start, f"Torque Management Request Input Signal {w} {{}}",
                   f"Sygnał wejściowy żądania zmiany momentu obrotowego {w} - {{}}",
                   "N RX NL NH")


def zadanie_ac(start, w):
    return rodzina(start, f"A/C Request {w} {{}}",
                   f"Sygnał żądania włączenia klimatyzacji {w} - {{}}", "C L H")


KODY = (
    rodzina("P2400", f"{EVAP} Leak Detection Pump {{}}",
            "Pompa wykrywania nieszczelności układu EVAP - {}",
            "CCO CCL CCH SCO SCRP SCLo SCHi SCIE")
    + rodzina("P2408", "Fuel Cap Sensor/Switch {}", "Czujnik/włącznik korka wlewu paliwa - {}",
              "C RP L H IE")
    + lista(f"""
P2413 | Exhaust Gas Recirculation System Performance | Układ recyrkulacji spalin (EGR) - nieprawidłowe działanie
P2414 | O2 Sensor Exhaust Sample Error (Bank 1 Sensor 1) | Sonda lambda (rząd 1, czujnik 1) - błąd próbkowania spalin
P2415 | O2 Sensor Exhaust Sample Error (Bank 2 Sensor 1) | Sonda lambda (rząd 2, czujnik 1) - błąd próbkowania spalin
P2416 | O2 Sensor Signals Swapped Bank 1 Sensor 2/Bank 1 Sensor 3 | Zamienione sygnały sond lambda (rząd 1, czujnik 2 i rząd 1, czujnik 3)
P2417 | O2 Sensor Signals Swapped Bank 2 Sensor 2/Bank 2 Sensor 3 | Zamienione sygnały sond lambda (rząd 2, czujnik 2 i rząd 2, czujnik 3)
""")
    + rodzina("P2418", f"{EVAP} Switching Valve {{}}", "Zawór przełączający układu EVAP - {}",
              "CCO CCL CCH")
    + lista(f"""
P2421 | {EVAP} Vent Valve Stuck Open | Zawór odpowietrzający układu EVAP - zablokowanie w pozycji otwartej
P2422 | {EVAP} Vent Valve Stuck Closed | Zawór odpowietrzający układu EVAP - zablokowanie w pozycji zamkniętej
P2423 | HC Adsorption Catalyst Efficiency Below Threshold (Bank 1) | Sprawność katalizatora adsorpcyjnego HC poniżej progu (rząd 1)
P2424 | HC Adsorption Catalyst Efficiency Below Threshold (Bank 2) | Sprawność katalizatora adsorpcyjnego HC poniżej progu (rząd 2)
""")
    + rodzina("P2425", "Exhaust Gas Recirculation Cooling Valve {}",
              "Zawór chłodzenia recyrkulacji spalin (EGR) - {}", "CCO CCL CCH")
    + lista(f"""
P242F | {DPF} Restriction - Ash Accumulation | Filtr cząstek stałych - zatkanie, nagromadzenie popiołu
P2428 | Exhaust Gas Temperature Too High (Bank 1) | Za wysoka temperatura spalin (rząd 1)
P2429 | Exhaust Gas Temperature Too High (Bank 2) | Za wysoka temperatura spalin (rząd 2)
""")
    + czujnik_air("P2430", 1) + czujnik_air("P2435", 2)
    + lista(f"""
P2440 | {AIR} Switching Valve Stuck Open (Bank 1) | Zawór przełączający {AIR_PL} (rząd 1) - zablokowanie w pozycji otwartej
P2441 | {AIR} Switching Valve Stuck Closed (Bank 1) | Zawór przełączający {AIR_PL} (rząd 1) - zablokowanie w pozycji zamkniętej
P2442 | {AIR} Switching Valve Stuck Open (Bank 2) | Zawór przełączający {AIR_PL} (rząd 2) - zablokowanie w pozycji otwartej
P2443 | {AIR} Switching Valve Stuck Closed (Bank 2) | Zawór przełączający {AIR_PL} (rząd 2) - zablokowanie w pozycji zamkniętej
P2444 | {AIR} Pump Stuck On (Bank 1) | Pompa {AIR_PL} (rząd 1) - zablokowanie w stanie włączonym
P2445 | {AIR} Pump Stuck Off (Bank 1) | Pompa {AIR_PL} (rząd 1) - zablokowanie w stanie wyłączonym
P2446 | {AIR} Pump Stuck On (Bank 2) | Pompa {AIR_PL} (rząd 2) - zablokowanie w stanie włączonym
P2447 | {AIR} Pump Stuck Off (Bank 2) | Pompa {AIR_PL} (rząd 2) - zablokowanie w stanie wyłączonym
P2448 | {AIR} High Airflow (Bank 1) | Układ wtrysku powietrza wtórnego (rząd 1) - za duży przepływ powietrza
P2449 | {AIR} High Airflow (Bank 2) | Układ wtrysku powietrza wtórnego (rząd 2) - za duży przepływ powietrza
P2450 | {EVAP} Switching Valve Performance/Stuck Open | Zawór przełączający układu EVAP - nieprawidłowe działanie/zablokowanie w pozycji otwartej
P2451 | {EVAP} Switching Valve Stuck Closed | Zawór przełączający układu EVAP - zablokowanie w pozycji zamkniętej
P244A | {DPF} Differential Pressure Too Low (Bank 1) | Filtr cząstek stałych - za niskie ciśnienie różnicowe (rząd 1)
P244B | {DPF} Differential Pressure Too High (Bank 1) | Filtr cząstek stałych - za wysokie ciśnienie różnicowe (rząd 1)
P244C | Exhaust Temperature Too Low For Particulate Filter Regeneration (Bank 1) | Za niska temperatura spalin do regeneracji filtra cząstek stałych (rząd 1)
P244D | Exhaust Temperature Too High For Particulate Filter Regeneration (Bank 1) | Za wysoka temperatura spalin do regeneracji filtra cząstek stałych (rząd 1)
P244E | Exhaust Temperature Too Low For Particulate Filter Regeneration (Bank 2) | Za niska temperatura spalin do regeneracji filtra cząstek stałych (rząd 2)
P244F | Exhaust Temperature Too High For Particulate Filter Regeneration (Bank 2) | Za wysoka temperatura spalin do regeneracji filtra cząstek stałych (rząd 2)
""")
    + czujnik_dpf("P2452", "A")
    + lista(f"""
P2457 | Exhaust Gas Recirculation Cooling System Performance | Układ chłodzenia recyrkulacji spalin (EGR) - nieprawidłowe działanie
P2458 | {DPF} Regeneration Duration | Filtr cząstek stałych - nieprawidłowy czas trwania regeneracji
P2459 | {DPF} Regeneration Frequency | Filtr cząstek stałych - nieprawidłowa częstotliwość regeneracji
""")
    + rodzina("P245A", "Exhaust Gas Recirculation Cooler Bypass {}",
              "Sterowanie obejściem chłodnicy recyrkulacji spalin (EGR) - {}", "CCO CCRP CCL CCH")
    + czujnik_dpf("P245E", "B")
    + lista(f"""
P2463 | {DPF} Restriction - Soot Accumulation | Filtr cząstek stałych - zatkanie, nagromadzenie sadzy
""")
    + temperatura_poza("P2478", [(1, 1), (1, 2), (1, 3), (1, 4), (2, 1), (2, 2), (2, 3), (2, 4)])
    + lista("""
P2500 | Generator Lamp/L-Terminal Circuit Low | Alternator - niski poziom sygnału w obwodzie kontrolki/zacisku L
P2501 | Generator Lamp/L-Terminal Circuit High | Alternator - wysoki poziom sygnału w obwodzie kontrolki/zacisku L
P2502 | Charging System Voltage | Napięcie układu ładowania - usterka
P2503 | Charging System Voltage Low | Napięcie układu ładowania - za niskie
P2504 | Charging System Voltage High | Napięcie układu ładowania - za wysokie
""")
    + rodzina("P2505", "ECM/PCM Power Input Signal {}", "Sygnał zasilania sterownika ECM/PCM - {}",
              "N RX NL NH INT")
    + rodzina("P2510", "ECM/PCM Power Relay {}", "Przekaźnik zasilania sterownika ECM/PCM - {}",
              "SCRP SCI")
    + rodzina("P2512", "Event Data Recorder Request {}",
              "Żądanie zapisu rejestratora zdarzeń - {}", "CO L H")
    + rodzina("P2515", "A/C Refrigerant Pressure Sensor B {}",
              "Czujnik ciśnienia czynnika chłodniczego klimatyzacji B - {}", "C RP L H")
    + zadanie_ac("P2519", "A") + zadanie_ac("P2522", "B")
    + rodzina("P2525", "Vacuum Reservoir Pressure Sensor {}",
              "Czujnik ciśnienia w zbiorniku podciśnienia - {}", CZUJNIK)
    + stacyjka("P2530", "Run", "RUN") + stacyjka("P2533", "Run/Start", "RUN/START")
    + stacyjka("P2536", "Accessory", "akcesoriów (ACC)")
    + rodzina("P2539", "Low Pressure Fuel System Sensor {}",
              "Czujnik niskociśnieniowego układu paliwowego - {}", CZUJNIK)
    + moment("P2544", "A") + moment("P2548", "B")
    + rodzina("P2552", "Throttle/Fuel Inhibit {}", "Blokada przepustnicy/paliwa - {}",
              "C RP L H")
    + rodzina("P2556", "Engine Coolant Level Sensor/Switch {}",
              "Czujnik/włącznik poziomu cieczy chłodzącej silnika - {}", "C RP L H")
    + lista("""
P2560 | Engine Coolant Level Low | Za niski poziom cieczy chłodzącej silnika
P2561 | A/C Control Module Requested MIL Illumination | Moduł sterowania klimatyzacją zażądał włączenia kontrolki MIL
""")
    + rodzina("P2562", "Turbocharger Boost Control Position Sensor {}",
              "Czujnik położenia sterowania doładowaniem turbosprężarki - {}", CZUJNIK)
    + rodzina("P2567", "Direct Ozone Reduction Catalyst Temperature Sensor {}",
              "Czujnik temperatury katalizatora bezpośredniej redukcji ozonu - {}",
              "C RP L H IE")
    + rodzina("P2572", "Direct Ozone Reduction Catalyst Deterioration Sensor {}",
              "Czujnik zużycia katalizatora bezpośredniej redukcji ozonu - {}", "C RP L H IE")
    + lista("""
P2577 | Direct Ozone Reduction Catalyst Efficiency Below Threshold | Sprawność katalizatora bezpośredniej redukcji ozonu poniżej progu
""")
    + rodzina("P2578", "Turbocharger/Supercharger Speed Sensor {}",
              "Czujnik prędkości obrotowej turbosprężarki/sprężarki - {}", CZUJNIK)
    + rodzina("P2586", "Turbocharger Boost Control Position Sensor B {}",
              "Czujnik B położenia sterowania doładowaniem turbosprężarki - {}", "C RP L H IE")
)
