"""P2000..P2199 and the hex-numbered P20xx codes: aftertreatment, intake runners, reductant,
throttle actuator control, trims."""
from slownik import lista, rodzina, seria

EGT_EN = "Exhaust Gas Temperature Sensor {} (Bank {b} Sensor {s})"
EGT_PL = "Czujnik temperatury spalin (rząd {b}, czujnik {s}) - {}"


def egt(start, b, s, usterki):
    return rodzina(start, EGT_EN.replace("{b}", str(b)).replace("{s}", str(s)),
                   EGT_PL.replace("{b}", str(b)).replace("{s}", str(s)), usterki)


def klapy(start, b, usterki):
    return rodzina(start, f"Intake Manifold Runner Control {{}} (Bank {b})",
                   f"Sterowanie klapami kolektora dolotowego (rząd {b}) - {{}}", usterki)


def polozenie_klap(start, b):
    return rodzina(start, f"Intake Manifold Runner Position Sensor/Switch {{}} (Bank {b})",
                   f"Czujnik/przełącznik położenia klap kolektora dolotowego (rząd {b}) - {{}}",
                   "C RP L H I")


def wtryskiwacz_reduktora(start, b, j):
    return rodzina(start, f"Reductant Injector {{}} (Bank {b} Unit {j})",
                   f"Wtryskiwacz reduktora (rząd {b}, jednostka {j}) - {{}}", "CO L H")


def nastawnik(start, w, b):
    return rodzina(start, f"{w} Camshaft Position Actuator {{}} (Bank {b})",
                   f"Nastawnik położenia wałka rozrządu {w} (rząd {b}) - {{}}", "CCL CCH")


def przepustnica(start, w):
    return rodzina(start, f"Throttle/Pedal Position Sensor/Switch {w} {{}}",
                   f"Czujnik/przełącznik {w} położenia przepustnicy/pedału - {{}}",
                   "C RP LI HI I")


def grupa(start, w):
    return rodzina(start, f"Fuel Injector Group {w} {{}}", f"Grupa wtryskiwaczy {w} - {{}}",
                   "SVO SVL SVH")


TAC = "Throttle Actuator Control System"
TAC_PL = "Układ sterowania przepustnicą"
OGRANICZNIKI = [
    ("Throttle/Pedal Position Sensor {n} Minimum Stop Performance",
     "Czujnik {n} położenia przepustnicy/pedału - nieprawidłowe położenie minimalne")]
MAKSIMUM = [
    ("Throttle/Pedal Position Sensor {n} Maximum Stop Performance",
     "Czujnik {n} położenia przepustnicy/pedału - nieprawidłowe położenie maksymalne")]
NAPIECIA = [
    ("Throttle/Pedal Position Sensor/Switch {n} Voltage Correlation",
     "Czujniki/przełączniki położenia przepustnicy/pedału - niezgodność napięć {n}")]


def mieszanka(start, en_warunek, pl_warunek):
    wynik = []
    kod = int(start[1:])
    for b in (1, 2):
        for en, pl in (("Lean", "uboga"), ("Rich", "bogata")):
            wynik.append((f"P{kod}", f"System Too {en} {en_warunek} (Bank {b})",
                          f"Zbyt {pl} mieszanka {pl_warunek} (rząd {b})"))
            kod += 1
    return wynik


KODY = (
    lista("""
P2000 | NOx Trap Efficiency Below Threshold (Bank 1) | Sprawność pochłaniacza NOx poniżej progu (rząd 1)
P2001 | NOx Trap Efficiency Below Threshold (Bank 2) | Sprawność pochłaniacza NOx poniżej progu (rząd 2)
P2002 | Particulate Trap Efficiency Below Threshold (Bank 1) | Sprawność filtra cząstek stałych poniżej progu (rząd 1)
P2003 | Particulate Trap Efficiency Below Threshold (Bank 2) | Sprawność filtra cząstek stałych poniżej progu (rząd 2)
""")
    + klapy("P2004", 1, "SOP") + klapy("P2005", 2, "SOP")
    + klapy("P2006", 1, "SCL") + klapy("P2007", 2, "SCL")
    + klapy("P2008", 1, "CO L H") + klapy("P2011", 2, "CO L H")
    + polozenie_klap("P2014", 1) + polozenie_klap("P2019", 2)
    + rodzina("P2024", "Evaporative Emissions (EVAP) Fuel Vapor Temperature Sensor {}",
              "Czujnik temperatury par paliwa układu EVAP - {}", "C CP LV HV I")
    + lista("""
P2029 | Fuel Fired Heater Disabled | Ogrzewacz spalinowy wyłączony
P2030 | Fuel Fired Heater Performance | Ogrzewacz spalinowy - nieprawidłowe działanie
""")
    + egt("P2031", 1, 2, "C L H") + egt("P2034", 2, 2, "C L H")
    + rodzina("P2037", "Reductant Injection Air Pressure Sensor {}",
              "Czujnik ciśnienia powietrza wtrysku reduktora - {}", "C RP LI HI I")
    + rodzina("P2042", "Reductant Temperature Sensor {}", "Czujnik temperatury reduktora - {}",
              "C RP LI HI I")
    + wtryskiwacz_reduktora("P2047", 1, 1) + wtryskiwacz_reduktora("P2050", 2, 1)
    + wtryskiwacz_reduktora("P2053", 1, 2) + wtryskiwacz_reduktora("P2056", 2, 2)
    + rodzina("P2059", "Reductant Injection Air Pump {}",
              "Pompa powietrza wtrysku reduktora - {}", "CCO CCL CCH")
    + rodzina("P2062", "Reductant Supply {}", "Sterowanie dopływem reduktora - {}",
              "CCO CCL CCH")
    + rodzina("P203A", "Reductant Level Sensor {}", "Czujnik poziomu reduktora - {}",
              "C RP L H IE", True)
    + rodzina("P204A", "Reductant Pressure Sensor {}", "Czujnik ciśnienia reduktora - {}",
              "C RP L H", True)
    + rodzina("P205A", "Reductant Tank Temperature Sensor {}",
              "Czujnik temperatury reduktora w zbiorniku - {}", "C RP L H", True)
    + lista("""
P202B | Reductant Tank Heater Control Circuit Low | Grzałka zbiornika reduktora - niski poziom sygnału w obwodzie sterowania
P203F | Reductant Level Too Low | Za niski poziom reduktora
P204F | Reductant System Performance | Układ reduktora - nieprawidłowe działanie
P20A0 | Reductant Purge Control Valve Circuit/Open | Zawór przedmuchu układu reduktora - usterka obwodu/przerwa
P20A1 | Reductant Purge Control Valve Performance | Zawór przedmuchu układu reduktora - nieprawidłowe działanie
P20A2 | Reductant Purge Control Valve Circuit Low | Zawór przedmuchu układu reduktora - niski poziom sygnału w obwodzie
P20A3 | Reductant Purge Control Valve Circuit High | Zawór przedmuchu układu reduktora - wysoki poziom sygnału w obwodzie
P20A6 | Reductant Injection Air Pressure Control Valve Circuit/Open | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - usterka obwodu/przerwa
P20A7 | Reductant Injection Air Pressure Control Valve Performance | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - nieprawidłowe działanie
P20A8 | Reductant Injection Air Pressure Control Valve Circuit Low | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - niski poziom sygnału w obwodzie
P20A9 | Reductant Injection Air Pressure Control Valve Circuit High | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - wysoki poziom sygnału w obwodzie
P20AA | Reductant Injection Air Pressure Control Valve Stuck Open | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - zablokowanie w pozycji otwartej
P20AB | Reductant Injection Air Pressure Control Valve Stuck Closed | Zawór sterowania ciśnieniem powietrza wtrysku reduktora - zablokowanie w pozycji zamkniętej
P20B9 | Reductant Heater A Control Circuit/Open | Grzałka A reduktora - usterka obwodu sterowania/przerwa
P20BA | Reductant Heater A Control Circuit Performance | Grzałka A reduktora - nieprawidłowe działanie obwodu sterowania
P20BB | Reductant Heater A Control Circuit Low | Grzałka A reduktora - niski poziom sygnału w obwodzie sterowania
P20BC | Reductant Heater A Control Circuit High | Grzałka A reduktora - wysoki poziom sygnału w obwodzie sterowania
P20BD | Reductant Heater B Control Circuit/Open | Grzałka B reduktora - usterka obwodu sterowania/przerwa
P20BE | Reductant Heater B Control Circuit Performance | Grzałka B reduktora - nieprawidłowe działanie obwodu sterowania
P20BF | Reductant Heater B Control Circuit Low | Grzałka B reduktora - niski poziom sygnału w obwodzie sterowania
P20C0 | Reductant Heater B Control Circuit High | Grzałka B reduktora - wysoki poziom sygnału w obwodzie sterowania
P20C1 | Reductant Heater C Control Circuit/Open | Grzałka C reduktora - usterka obwodu sterowania/przerwa
P20C2 | Reductant Heater C Control Circuit Performance | Grzałka C reduktora - nieprawidłowe działanie obwodu sterowania
P20C3 | Reductant Heater C Control Circuit Low | Grzałka C reduktora - niski poziom sygnału w obwodzie sterowania
P20C4 | Reductant Heater C Control Circuit High | Grzałka C reduktora - wysoki poziom sygnału w obwodzie sterowania
P20C5 | Reductant Heater D Control Circuit/Open | Grzałka D reduktora - usterka obwodu sterowania/przerwa
P20C7 | Reductant Heater D Control Circuit Low | Grzałka D reduktora - niski poziom sygnału w obwodzie sterowania
P20C8 | Reductant Heater D Control Circuit High | Grzałka D reduktora - wysoki poziom sygnału w obwodzie sterowania
P20E8 | Reductant Pressure Too Low | Za niskie ciśnienie reduktora
P20E9 | Reductant Pressure Too High | Za wysokie ciśnienie reduktora
P20EE | SCR NOx Catalyst Efficiency Below Threshold (Bank 1) | Sprawność katalizatora SCR NOx poniżej progu (rząd 1)
P20EF | SCR NOx Pre-Catalyst Efficiency Below Threshold (Bank 1) | Sprawność katalizatora wstępnego SCR NOx poniżej progu (rząd 1)
P20F2 | SCR NOx Catalyst Efficiency Below Threshold (Bank 2) | Sprawność katalizatora SCR NOx poniżej progu (rząd 2)
""")
    + lista("""
P2065 | Fuel Level Sensor B Circuit | Czujnik poziomu paliwa B - usterka obwodu
P2066 | Fuel Level Sensor B Performance | Czujnik poziomu paliwa B - nieprawidłowe działanie
P2067 | Fuel Level Sensor B Circuit Low | Czujnik poziomu paliwa B - niski poziom sygnału w obwodzie
P2068 | Fuel Level Sensor B Circuit High | Czujnik poziomu paliwa B - wysoki poziom sygnału w obwodzie
P2069 | Fuel Level Sensor B Circuit Intermittent | Czujnik poziomu paliwa B - sygnał przerywany w obwodzie
P2070 | Intake Manifold Tuning (IMT) Valve Stuck Open | Zawór regulacji kolektora dolotowego (IMT) - zablokowanie w pozycji otwartej
P2071 | Intake Manifold Tuning (IMT) Valve Stuck Closed | Zawór regulacji kolektora dolotowego (IMT) - zablokowanie w pozycji zamkniętej
P2072 | Throttle Actuator Control System - Ice Blockage | Układ sterowania przepustnicą - zablokowanie przez lód
P2073 | MAP/MAF - Throttle Position Correlation at Idle | Niezgodność sygnałów MAP/MAF i położenia przepustnicy na biegu jałowym
P2074 | MAP/MAF - Throttle Position Correlation at Higher Load | Niezgodność sygnałów MAP/MAF i położenia przepustnicy przy większym obciążeniu
""")
    + rodzina("P2075", "Intake Manifold Tuning (IMT) Valve Position Sensor/Switch {}",
              "Czujnik/przełącznik położenia zaworu regulacji kolektora dolotowego (IMT) - {}",
              "C RP L H I")
    + egt("P2080", 1, 1, "RP I") + egt("P2082", 2, 1, "RP I")
    + egt("P2084", 1, 2, "RP I") + egt("P2086", 2, 2, "RP I")
    + nastawnik("P2088", "A", 1) + nastawnik("P2090", "B", 1)
    + nastawnik("P2092", "A", 2) + nastawnik("P2094", "B", 2)
    + lista("""
P2096 | Post Catalyst Fuel Trim System Too Lean (Bank 1) | Korekta dawki paliwa za katalizatorem - zbyt uboga mieszanka (rząd 1)
P2097 | Post Catalyst Fuel Trim System Too Rich (Bank 1) | Korekta dawki paliwa za katalizatorem - zbyt bogata mieszanka (rząd 1)
P2098 | Post Catalyst Fuel Trim System Too Lean (Bank 2) | Korekta dawki paliwa za katalizatorem - zbyt uboga mieszanka (rząd 2)
P2099 | Post Catalyst Fuel Trim System Too Rich (Bank 2) | Korekta dawki paliwa za katalizatorem - zbyt bogata mieszanka (rząd 2)
""")
    + rodzina("P2100", "Throttle Actuator Control Motor {}",
              "Silnik nastawnika przepustnicy - {}", "CO RP L H")
    + lista(f"""
P2104 | {TAC} - Forced Idle | {TAC_PL} - wymuszony bieg jałowy
P2105 | {TAC} - Forced Engine Shutdown | {TAC_PL} - wymuszone wyłączenie silnika
P2106 | {TAC} - Forced Limited Power | {TAC_PL} - wymuszone ograniczenie mocy
P2107 | Throttle Actuator Control Module Processor | Moduł sterowania przepustnicą - usterka procesora
P2108 | Throttle Actuator Control Module Performance | Moduł sterowania przepustnicą - nieprawidłowe działanie
""")
    + seria("P2109", OGRANICZNIKI, "A")
    + lista(f"""
P2110 | {TAC} - Forced Limited RPM | {TAC_PL} - wymuszone ograniczenie prędkości obrotowej
P2111 | {TAC} - Stuck Open | {TAC_PL} - zablokowanie w pozycji otwartej
P2112 | {TAC} - Stuck Closed | {TAC_PL} - zablokowanie w pozycji zamkniętej
""")
    + seria("P2113", OGRANICZNIKI, "BCDEF")
    + lista("""
P2118 | Throttle Actuator Control Motor Current Range/Performance | Silnik nastawnika przepustnicy - nieprawidłowy zakres/działanie prądu
P2119 | Throttle Actuator Control Throttle Body Range/Performance | Sterowanie przepustnicą - nieprawidłowy zakres/działanie korpusu przepustnicy
""")
    + przepustnica("P2120", "D") + przepustnica("P2125", "E") + przepustnica("P2130", "F")
    + seria("P2135", NAPIECIA, ["A/B", "A/C", "B/C", "D/E", "D/F", "E/F"])
    + lista("""
P2141 | Exhaust Gas Recirculation Throttle Control Circuit Low | Sterowanie przepustnicą EGR - niski poziom sygnału w obwodzie
P2142 | Exhaust Gas Recirculation Throttle Control Circuit High | Sterowanie przepustnicą EGR - wysoki poziom sygnału w obwodzie
""")
    + rodzina("P2143", "Exhaust Gas Recirculation Vent {}", "Sterowanie odpowietrzeniem EGR - {}",
              "CCO CCL CCH")
    + grupa("P2146", "A") + grupa("P2149", "B") + grupa("P2152", "C") + grupa("P2155", "D")
    + lista("""
P2158 | Vehicle Speed Sensor B | Czujnik prędkości pojazdu B - usterka
P2159 | Vehicle Speed Sensor B Range/Performance | Czujnik prędkości pojazdu B - nieprawidłowy zakres/działanie
P2160 | Vehicle Speed Sensor B Circuit Low | Czujnik prędkości pojazdu B - niski poziom sygnału w obwodzie
P2161 | Vehicle Speed Sensor B Intermittent/Erratic | Czujnik prędkości pojazdu B - sygnał przerywany/niestabilny
P2162 | Vehicle Speed Sensor A/B Correlation | Niezgodność sygnałów czujników prędkości pojazdu A i B
""")
    + seria("P2163", MAKSIMUM, "ABCDEF")
    + rodzina("P2169", "Exhaust Pressure Regulator Vent Solenoid {}",
              "Elektrozawór odpowietrzający regulatora ciśnienia spalin - {}", "CCO CCL CCH")
    + lista(f"""
P2172 | {TAC} - Sudden High Airflow Detected | {TAC_PL} - wykryto nagły duży przepływ powietrza
P2173 | {TAC} - High Airflow Detected | {TAC_PL} - wykryto duży przepływ powietrza
P2174 | {TAC} - Sudden Low Airflow Detected | {TAC_PL} - wykryto nagły mały przepływ powietrza
P2175 | {TAC} - Low Airflow Detected | {TAC_PL} - wykryto mały przepływ powietrza
P2176 | {TAC} - Idle Position Not Learned | {TAC_PL} - nie zaadaptowano położenia biegu jałowego
""")
    + mieszanka("P2177", "Off Idle", "poza biegiem jałowym")
    + lista("""
P2181 | Cooling System Performance | Układ chłodzenia - nieprawidłowe działanie
""")
    + rodzina("P2182", "Engine Coolant Temperature Sensor 2 {}",
              "Czujnik temperatury cieczy chłodzącej silnika 2 - {}", "C RP L H IE")
    + mieszanka("P2187", "at Idle", "na biegu jałowym")
    + mieszanka("P2191", "at Higher Load", "przy większym obciążeniu")
    + lista("""
P2195 | O2 Sensor Signal Stuck Lean (Bank 1 Sensor 1) | Sonda lambda (rząd 1, czujnik 1) - sygnał zablokowany na mieszance ubogiej
P2196 | O2 Sensor Signal Stuck Rich (Bank 1 Sensor 1) | Sonda lambda (rząd 1, czujnik 1) - sygnał zablokowany na mieszance bogatej
P2197 | O2 Sensor Signal Stuck Lean (Bank 2 Sensor 1) | Sonda lambda (rząd 2, czujnik 1) - sygnał zablokowany na mieszance ubogiej
P2198 | O2 Sensor Signal Stuck Rich (Bank 2 Sensor 1) | Sonda lambda (rząd 2, czujnik 1) - sygnał zablokowany na mieszance bogatej
P2199 | Intake Air Temperature Sensor 1/2 Correlation | Niezgodność sygnałów czujników temperatury powietrza dolotowego 1 i 2
""")
)
