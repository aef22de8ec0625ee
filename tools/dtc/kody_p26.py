"""P2600..P2830: pumps, signal outputs, rocker arm actuators and transmission controls."""
from slownik import lista, rodzina

ZAWOR = "N PSOo SON EL INT"
ZAWOR_PELNY = ZAWOR + " CCO CCRP CCL CCH"
STEROWANIE3 = "CCO CCL CCH"


def korekcja_pradu(start, b):
    pl = f"Sonda lambda (rząd {b}, czujnik 1) - {{}}"
    teksty = [("Circuit/Open", "usterka obwodu korekcji prądu pompującego/przerwa"),
              ("Circuit Low", "niski poziom sygnału w obwodzie korekcji prądu pompującego"),
              ("Circuit High", "wysoki poziom sygnału w obwodzie korekcji prądu pompującego")]
    return [(f"P{int(start[1:]) + i}", f"O2 Sensor Pumping Current Trim {en} (Bank {b} Sensor 1)",
             pl.format(p)) for i, (en, p) in enumerate(teksty)]


def dzwigienki(start, w, b):
    en = f"{w} Rocker Arm Actuator"
    pl = f"Nastawnik dźwigienek zaworowych {w} (rząd {b})"
    teksty = [
        ("Control Circuit/Open", "usterka obwodu sterowania/przerwa"),
        ("System Performance or Stuck Off",
         "nieprawidłowe działanie układu lub zablokowanie w stanie wyłączonym"),
        ("System Stuck On", "zablokowanie układu w stanie włączonym"),
        ("Control Circuit Low", "niski poziom sygnału w obwodzie sterowania"),
        ("Control Circuit High", "wysoki poziom sygnału w obwodzie sterowania"),
    ]
    return [(f"P{int(start[1:]) + i}", f"{en} {e} (Bank {b})", f"{pl} - {p}")
            for i, (e, p) in enumerate(teksty)]


def moment(start, w):
    return rodzina(start, f"Torque Management Feedback Signal {w} {{}}",
                   f"Sygnał zwrotny zarządzania momentem obrotowym {w} - {{}}", "N RX NL NH")


def regulacja(start, w, szesnastkowo=False):
    return rodzina(start, f"Pressure Control Solenoid {w} {{}}",
                   f"Elektrozawór regulacji ciśnienia {w} - {{}}", ZAWOR_PELNY, szesnastkowo)


def element_cierny(start, litery):
    return [(f"P{int(start[1:]) + i}", f"Transmission Friction Element {w} Apply Time "
                                       f"Range/Performance",
             f"Element cierny {w} skrzyni biegów - nieprawidłowy czas włączania")
            for i, w in enumerate(litery)]


def walek_posredni(start, w):
    return rodzina(start, f"Intermediate Shaft Speed Sensor {w} {{}}",
                   f"Czujnik prędkości obrotowej wałka pośredniego {w} - {{}}", "C RP NS I")


def przelacznik(start, en, pl):
    return rodzina(start, f"{en} Switch {{}}", f"{pl} - {{}}", "RP L H IE")


TCC_EN = "Torque Converter Clutch Pressure Control Solenoid"
TCC_PL = "Elektrozawór regulacji ciśnienia sprzęgła blokującego przemiennika momentu"

KODY = (
    rodzina("P2600", "Coolant Pump {}", "Pompa cieczy chłodzącej - {}", "CCO CCRP CCL CCH")
    + rodzina("P2604", "Intake Air Heater A {}", "Podgrzewacz powietrza dolotowego A - {}", "RP")
    + rodzina("P2605", "Intake Air Heater B {}", "Podgrzewacz powietrza dolotowego B - {}",
              "CO RP L H")
    + lista("""
P2609 | Intake Air Heater System Performance | Układ podgrzewania powietrza dolotowego - nieprawidłowe działanie
P2610 | ECM/PCM Internal Engine Off Timer Performance | Sterownik ECM/PCM - nieprawidłowe działanie wewnętrznego licznika czasu postoju silnika
""")
    + rodzina("P2611", "A/C Refrigerant Distribution Valve {}",
              "Zawór rozdziału czynnika chłodniczego klimatyzacji - {}", STEROWANIE3)
    + rodzina("P2614", "Camshaft Position Signal Output {}",
              "Wyjście sygnału położenia wałka rozrządu - {}", "CO L H")
    + rodzina("P2617", "Crankshaft Position Signal Output {}",
              "Wyjście sygnału położenia wału korbowego - {}", "CO L H")
    + rodzina("P2620", "Throttle Position Output {}",
              "Wyjście sygnału położenia przepustnicy - {}", "CO L H")
    + rodzina("P2623", "Injector Control Pressure Regulator {}",
              "Regulator ciśnienia sterującego wtryskiwaczy - {}", "CO L H")
    + korekcja_pradu("P2626", 1) + korekcja_pradu("P2629", 2)
    + rodzina("P2632", "Fuel Pump B {}", "Pompa paliwa B - {}", STEROWANIE3)
    + lista("""
P2635 | Fuel Pump A Low Flow/Performance | Pompa paliwa A - za mały przepływ/nieprawidłowe działanie
P2636 | Fuel Pump B Low Flow/Performance | Pompa paliwa B - za mały przepływ/nieprawidłowe działanie
""")
    + moment("P2637", "A") + moment("P2641", "B")
    + dzwigienki("P2645", "A", 1) + dzwigienki("P2650", "B", 1)
    + dzwigienki("P2655", "A", 2) + dzwigienki("P2660", "B", 2)
    + rodzina("P2665", "Fuel Shutoff Valve B {}", "Zawór odcinający paliwo B - {}", STEROWANIE3)
    + lista("""
P2668 | Fuel Mode Indicator Lamp Control Circuit | Kontrolka trybu zasilania paliwem - usterka obwodu sterowania
""")
    + rodzina("P2669", "Actuator Supply Voltage B {}",
              "Napięcie zasilania elementów wykonawczych B - {}", "CO L H")
    + lista("""
P2672 | Injection Pump Timing Offset | Pompa wtryskowa - przesunięcie kąta wtrysku
P2673 | Injection Pump Timing Calibration Error | Pompa wtryskowa - błąd kalibracji kąta wtrysku
""")
    + rodzina("P2675", "Air Cleaner Inlet {}", "Sterowanie wlotem filtra powietrza - {}",
              STEROWANIE3)
    + rodzina("P2684", "Actuator Supply Voltage C {}",
              "Napięcie zasilania elementów wykonawczych C - {}", "CO L H")
    + element_cierny("P2700", "ABCDEF")
    + rodzina("P2706", "Shift Solenoid F {}", "Elektrozawór zmiany biegów F - {}", ZAWOR)
    + lista("""
P2711 | Unexpected Mechanical Gear Disengagement | Nieoczekiwane mechaniczne wyłączenie biegu
P2712 | Hydraulic Power Unit Leakage | Nieszczelność hydraulicznego zespołu zasilającego
""")
    + regulacja("P2713", "D") + regulacja("P2722", "E") + regulacja("P2731", "F")
    + rodzina("P2740", "Transmission Fluid Temperature Sensor B {}",
              "Czujnik temperatury oleju skrzyni biegów B - {}", "C RP L H I")
    + walek_posredni("P2745", "B") + walek_posredni("P2749", "C")
    + rodzina("P2753", "Transmission Fluid Cooler {}",
              "Sterowanie chłodnicą oleju skrzyni biegów - {}", STEROWANIE3)
    + lista(f"""
P2756 | {TCC_EN} | {TCC_PL} - usterka
P2757 | {TCC_EN} Control Circuit Performance or Stuck Off | {TCC_PL} - nieprawidłowe działanie obwodu sterowania lub zablokowanie w stanie wyłączonym
P2758 | {TCC_EN} Control Stuck On | {TCC_PL} - zablokowanie w stanie włączonym
P2759 | {TCC_EN} Control Circuit Electrical | {TCC_PL} - usterka elektryczna obwodu sterowania
P2760 | {TCC_EN} Control Circuit Intermittent | {TCC_PL} - sygnał przerywany w obwodzie sterowania
P2761 | {TCC_EN} Control Circuit/Open | {TCC_PL} - usterka obwodu sterowania/przerwa
P2762 | {TCC_EN} Control Circuit Range/Performance | {TCC_PL} - nieprawidłowy zakres/działanie obwodu sterowania
P2763 | {TCC_EN} Control Circuit High | {TCC_PL} - wysoki poziom sygnału w obwodzie sterowania
P2764 | {TCC_EN} Control Circuit Low | {TCC_PL} - niski poziom sygnału w obwodzie sterowania
""")
    + rodzina("P2765", "Input/Turbine Speed Sensor B {}",
              "Czujnik prędkości obrotowej wałka wejściowego/turbiny B - {}", "C RP NS I")
    + lista("""
P2769 | Torque Converter Clutch Circuit Low | Sprzęgło blokujące przemiennika momentu - niski poziom sygnału w obwodzie
P2770 | Torque Converter Clutch Circuit High | Sprzęgło blokujące przemiennika momentu - wysoki poziom sygnału w obwodzie
""")
    + rodzina("P2771", "Four Wheel Drive (4WD) Low Switch {}",
              "Przełącznik reduktora napędu na cztery koła (4WD) - {}", "C RP L H")
    + przelacznik("P2775", "Upshift", "Przełącznik zmiany biegu w górę")
    + przelacznik("P2779", "Downshift", "Przełącznik zmiany biegu w dół")
    + lista("""
P2783 | Torque Converter Temperature Too High | Za wysoka temperatura przemiennika momentu
P2784 | Input/Turbine Speed Sensor A/B Correlation | Niezgodność sygnałów czujników prędkości obrotowej wałka wejściowego/turbiny A i B
P2785 | Clutch Actuator Temperature Too High | Za wysoka temperatura siłownika sprzęgła
P2786 | Gear Shift Actuator Temperature Too High | Za wysoka temperatura siłownika zmiany biegów
P2787 | Clutch Temperature Too High | Za wysoka temperatura sprzęgła
P2788 | Auto Shift Manual Adaptive Learning at Limit | Zautomatyzowana skrzynia biegów - osiągnięto granicę adaptacji
P2789 | Clutch Adaptive Learning at Limit | Sprzęgło - osiągnięto granicę adaptacji
""")
    + rodzina("P2790", "Gate Select Direction {}", "Kierunek wybierania ścieżki biegów - {}",
              "C L H")
    + rodzina("P2793", "Gear Shift Direction {}", "Kierunek zmiany biegów - {}", "C L H")
    + lista("""
P2800 | Transmission Range Sensor B Circuit (PRNDL Input) | Czujnik B położenia dźwigni wyboru biegów (wejście PRNDL) - usterka obwodu
P2801 | Transmission Range Sensor B Circuit Range/Performance | Czujnik B położenia dźwigni wyboru biegów - nieprawidłowy zakres/działanie obwodu
P2802 | Transmission Range Sensor B Circuit Low | Czujnik B położenia dźwigni wyboru biegów - niski poziom sygnału w obwodzie
P2803 | Transmission Range Sensor B Circuit High | Czujnik B położenia dźwigni wyboru biegów - wysoki poziom sygnału w obwodzie
P2804 | Transmission Range Sensor B Circuit Intermittent | Czujnik B położenia dźwigni wyboru biegów - sygnał przerywany w obwodzie
P2805 | Transmission Range Sensor A/B Correlation | Niezgodność sygnałów czujników A i B położenia dźwigni wyboru biegów
P2806 | Transmission Range Sensor Alignment | Czujnik położenia dźwigni wyboru biegów - nieprawidłowe ustawienie
""")
    + regulacja("P2807", "G")
    + regulacja("P2816", "H", szesnastkowo=True) + regulacja("P281F", "J")
    + regulacja("P2828", "K", szesnastkowo=True)
)
