"""P0500..P0599: vehicle speed, idle control, auxiliary inputs, cruise control, voltage."""
from slownik import lista, rodzina

WEJSCIE_EN = "Cruise Control Multi-Function Input {w} Circuit"
WEJSCIE_PL = "Wielofunkcyjne wejście {w} tempomatu"


def wejscie(start, w, usterki):
    en, pl = WEJSCIE_EN.format(w=w), WEJSCIE_PL.format(w=w)
    teksty = {
        "C": ("", "usterka obwodu"),
        "S": (" Stuck", "zablokowany sygnał"),
        "RP": (" Range/Performance", "nieprawidłowy zakres/działanie obwodu"),
        "L": (" Low", "niski poziom sygnału w obwodzie"),
        "H": (" High", "wysoki poziom sygnału w obwodzie"),
    }
    wynik, kod = [], start
    for klucz in usterki.split():
        en_u, pl_u = teksty[klucz]
        wynik.append((kod, en + en_u, f"{pl} - {pl_u}"))
        kod = f"P{int(kod[1:]) + 1:04d}"
    return wynik


KODY = (
    lista("""
P0500 | Vehicle Speed Sensor A | Czujnik prędkości pojazdu A - usterka
P0501 | Vehicle Speed Sensor A Range/Performance | Czujnik prędkości pojazdu A - nieprawidłowy zakres/działanie
P0502 | Vehicle Speed Sensor A Circuit Low Input | Czujnik prędkości pojazdu A - niski sygnał wejściowy
P0503 | Vehicle Speed Sensor A Intermittent/Erratic/High | Czujnik prędkości pojazdu A - sygnał przerywany/niestabilny/wysoki
P0504 | Brake Switch A/B Correlation | Niezgodność sygnałów włącznika hamulca A i B
P0505 | Idle Air Control System | Układ sterowania biegiem jałowym - usterka
P0506 | Idle Air Control System RPM Lower Than Expected | Układ sterowania biegiem jałowym - prędkość obrotowa niższa od oczekiwanej
P0507 | Idle Air Control System RPM Higher Than Expected | Układ sterowania biegiem jałowym - prędkość obrotowa wyższa od oczekiwanej
P0508 | Idle Air Control System Circuit Low | Układ sterowania biegiem jałowym - niski poziom sygnału w obwodzie
P0509 | Idle Air Control System Circuit High | Układ sterowania biegiem jałowym - wysoki poziom sygnału w obwodzie
P0510 | Closed Throttle Position Switch | Przełącznik zamkniętej przepustnicy - usterka
P0511 | Idle Air Control Circuit | Sterowanie biegiem jałowym - usterka obwodu
P0512 | Starter Request Circuit | Obwód żądania rozruchu - usterka
P0513 | Invalid SKIM Key | Nieprawidłowy klucz immobilizera
P0514 | Battery Temperature Sensor Circuit Range/Performance | Czujnik temperatury akumulatora - nieprawidłowy zakres/działanie obwodu
P0515 | Battery Temperature Sensor Circuit | Czujnik temperatury akumulatora - usterka obwodu
P0516 | Battery Temperature Sensor Circuit Low | Czujnik temperatury akumulatora - niski poziom sygnału w obwodzie
P0517 | Battery Temperature Sensor Circuit High | Czujnik temperatury akumulatora - wysoki poziom sygnału w obwodzie
P0518 | Idle Air Control Circuit Intermittent | Sterowanie biegiem jałowym - sygnał przerywany w obwodzie
P0519 | Idle Air Control System Performance | Układ sterowania biegiem jałowym - nieprawidłowe działanie
P0520 | Engine Oil Pressure Sensor/Switch Circuit | Czujnik/włącznik ciśnienia oleju silnikowego - usterka obwodu
P0521 | Engine Oil Pressure Sensor/Switch Range/Performance | Czujnik/włącznik ciśnienia oleju silnikowego - nieprawidłowy zakres/działanie
P0522 | Engine Oil Pressure Sensor/Switch Low Voltage | Czujnik/włącznik ciśnienia oleju silnikowego - niskie napięcie
P0523 | Engine Oil Pressure Sensor/Switch High Voltage | Czujnik/włącznik ciśnienia oleju silnikowego - wysokie napięcie
P0524 | Engine Oil Pressure Too Low | Za niskie ciśnienie oleju silnikowego
P0525 | Cruise Control Servo Control Circuit Range/Performance | Serwomechanizm tempomatu - nieprawidłowy zakres/działanie obwodu sterowania
""")
    + rodzina("P0526", "Fan Speed Sensor {}", "Czujnik prędkości obrotowej wentylatora - {}",
              "C RP NS I")
    + rodzina("P0530", "A/C Refrigerant Pressure Sensor A {}",
              "Czujnik ciśnienia czynnika chłodniczego klimatyzacji A - {}", "C RP LI HI")
    + lista("""
P0534 | Air Conditioner Refrigerant Charge Loss | Ubytek czynnika chłodniczego klimatyzacji
""")
    + rodzina("P0535", "A/C Evaporator Temperature Sensor {}",
              "Czujnik temperatury parownika klimatyzacji - {}", "C RP L H I")
    + rodzina("P0540", "Intake Air Heater A {}", "Podgrzewacz powietrza dolotowego A - {}",
              "C L H O")
    + rodzina("P0544", "Exhaust Gas Temperature Sensor {} (Bank 1 Sensor 1)",
              "Czujnik temperatury spalin (rząd 1, czujnik 1) - {}", "C L H")
    + rodzina("P0547", "Exhaust Gas Temperature Sensor {} (Bank 2 Sensor 1)",
              "Czujnik temperatury spalin (rząd 2, czujnik 1) - {}", "C L H")
    + rodzina("P0550", "Power Steering Pressure Sensor/Switch {}",
              "Czujnik/włącznik ciśnienia wspomagania kierownicy - {}", "C RP LI HI I")
    + rodzina("P0555", "Brake Booster Pressure Sensor {}",
              "Czujnik ciśnienia wspomagania hamulców - {}", "C RP LI HI I")
    + lista("""
P0560 | System Voltage | Napięcie instalacji elektrycznej - usterka
P0561 | System Voltage Unstable | Napięcie instalacji elektrycznej - niestabilne
P0562 | System Voltage Low | Napięcie instalacji elektrycznej - za niskie
P0563 | System Voltage High | Napięcie instalacji elektrycznej - za wysokie
""")
    + wejscie("P0564", "A", "C")
    + lista("""
P0565 | Cruise Control On Signal | Tempomat - usterka sygnału włączenia
P0566 | Cruise Control Off Signal | Tempomat - usterka sygnału wyłączenia
P0567 | Cruise Control Resume Signal | Tempomat - usterka sygnału wznowienia
P0568 | Cruise Control Set Signal | Tempomat - usterka sygnału ustawienia
P0569 | Cruise Control Coast Signal | Tempomat - usterka sygnału zwalniania
P0570 | Cruise Control Accelerate Signal | Tempomat - usterka sygnału przyspieszania
P0571 | Brake Switch A Circuit | Włącznik hamulca A - usterka obwodu
P0572 | Brake Switch A Circuit Low | Włącznik hamulca A - niski poziom sygnału w obwodzie
P0573 | Brake Switch A Circuit High | Włącznik hamulca A - wysoki poziom sygnału w obwodzie
P0574 | Cruise Control System - Vehicle Speed Too High | Tempomat - za wysoka prędkość pojazdu
P0575 | Cruise Control Input Circuit | Wejście tempomatu - usterka obwodu
P0576 | Cruise Control Input Circuit Low | Wejście tempomatu - niski poziom sygnału w obwodzie
P0577 | Cruise Control Input Circuit High | Wejście tempomatu - wysoki poziom sygnału w obwodzie
""")
    + wejscie("P0578", "A", "S RP L H")
    + rodzina("P0582", "Cruise Control Vacuum {}", "Sterowanie podciśnieniem tempomatu - {}",
              "CCO CCL CCH")
    + lista("""
P0585 | Cruise Control Multi-Function Input A/B Correlation | Niezgodność wielofunkcyjnych wejść A i B tempomatu
""")
    + rodzina("P0586", "Cruise Control Vent {}", "Sterowanie odpowietrzeniem tempomatu - {}",
              "CCO CCL CCH")
    + wejscie("P0589", "B", "C S RP L H")
    + rodzina("P0594", "Cruise Control Servo {}", "Serwomechanizm tempomatu - {}",
              "CCO CCL CCH")
    + rodzina("P0597", "Thermostat Heater {}", "Grzałka termostatu - {}", "CCO CCL CCH")
)
