"""P0600..P0699: control modules, outputs, reference voltages, glow plugs, power relay."""
from slownik import lista, rodzina, seria

SWIECE = [("Cylinder {n} Glow Plug Circuit", "Świeca żarowa cylindra {n} - usterka obwodu")]


def odniesienie(start, w):
    return rodzina(start, f"Sensor Reference Voltage {w} {{}}",
                   f"Napięcie odniesienia czujników {w} - {{}}", "CO L H")


def wentylator(start, n):
    return rodzina(start, f"Fan {n} {{}}", f"Wentylator {n} - {{}}", "CCL CCH")


def kolektor(start, b):
    return rodzina(start, f"Intake Manifold Tuning Valve {{}} (Bank {b})",
                   f"Zawór regulacji kolektora dolotowego (rząd {b}) - {{}}", "CCO CCL CCH")


KODY = (
    lista("""
P0600 | Serial Communication Link | Łącze komunikacji szeregowej - usterka
P0601 | Internal Control Module Memory Check Sum Error | Błąd sumy kontrolnej pamięci sterownika
P0602 | Control Module Programming Error | Błąd zaprogramowania sterownika
P0603 | Internal Control Module Keep Alive Memory (KAM) Error | Błąd pamięci podtrzymywanej (KAM) sterownika
P0604 | Internal Control Module Random Access Memory (RAM) Error | Błąd pamięci RAM sterownika
P0605 | Internal Control Module Read Only Memory (ROM) Error | Błąd pamięci ROM sterownika
P0606 | Control Module Processor | Usterka procesora sterownika
P0607 | Control Module Performance | Sterownik - nieprawidłowe działanie
P0608 | Control Module VSS Output A | Sterownik - usterka wyjścia A sygnału prędkości pojazdu
P0609 | Control Module VSS Output B | Sterownik - usterka wyjścia B sygnału prędkości pojazdu
P0610 | Control Module Vehicle Options Error | Sterownik - błąd konfiguracji wyposażenia pojazdu
P0611 | Fuel Injector Control Module Performance | Moduł sterowania wtryskiwaczami - nieprawidłowe działanie
P0612 | Fuel Injector Control Module Relay Control | Moduł sterowania wtryskiwaczami - usterka sterowania przekaźnikiem
P0613 | TCM Processor | Usterka procesora sterownika skrzyni biegów (TCM)
P0614 | ECM/TCM Incompatible | Niezgodność sterownika silnika (ECM) i sterownika skrzyni biegów (TCM)
P0615 | Starter Relay Circuit | Przekaźnik rozrusznika - usterka obwodu
P0616 | Starter Relay Circuit Low | Przekaźnik rozrusznika - niski poziom sygnału w obwodzie
P0617 | Starter Relay Circuit High | Przekaźnik rozrusznika - wysoki poziom sygnału w obwodzie
P0618 | Alternative Fuel Control Module KAM Error | Sterownik paliwa alternatywnego - błąd pamięci podtrzymywanej (KAM)
P0619 | Alternative Fuel Control Module RAM/ROM Error | Sterownik paliwa alternatywnego - błąd pamięci RAM/ROM
P0620 | Generator Control Circuit | Alternator - usterka obwodu sterowania
P0621 | Generator Lamp/L Terminal Circuit | Alternator - usterka obwodu kontrolki/zacisku L
P0622 | Generator Field/F Terminal Circuit | Alternator - usterka obwodu wzbudzenia/zacisku F
P0623 | Generator Lamp Control Circuit | Kontrolka alternatora - usterka obwodu sterowania
P0624 | Fuel Cap Lamp Control Circuit | Kontrolka korka wlewu paliwa - usterka obwodu sterowania
P0625 | Generator Field/F Terminal Circuit Low | Alternator - niski poziom sygnału w obwodzie wzbudzenia/zacisku F
P0626 | Generator Field/F Terminal Circuit High | Alternator - wysoki poziom sygnału w obwodzie wzbudzenia/zacisku F
""")
    + lista("""
P060A | Internal Control Module Monitoring Processor Performance | Sterownik - nieprawidłowe działanie procesora nadzorującego
P060B | Internal Control Module A/D Processing Performance | Sterownik - nieprawidłowe działanie przetwornika analogowo-cyfrowego
P060C | Internal Control Module Main Processor Performance | Sterownik - nieprawidłowe działanie procesora głównego
P060D | Internal Control Module Accelerator Pedal Position Performance | Sterownik - nieprawidłowe przetwarzanie położenia pedału przyspieszenia
P060E | Internal Control Module Throttle Position Performance | Sterownik - nieprawidłowe przetwarzanie położenia przepustnicy
P060F | Internal Control Module Coolant Temperature Performance | Sterownik - nieprawidłowe przetwarzanie temperatury cieczy chłodzącej
P061A | Internal Control Module Torque Performance | Sterownik - nieprawidłowe działanie funkcji momentu obrotowego
P061B | Internal Control Module Torque Calculation Performance | Sterownik - nieprawidłowe obliczanie momentu obrotowego
P061C | Internal Control Module Engine RPM Performance | Sterownik - nieprawidłowe przetwarzanie prędkości obrotowej silnika
P062B | Internal Control Module Fuel Injector Control Performance | Sterownik - nieprawidłowe sterowanie wtryskiwaczami
P062F | Internal Control Module EEPROM Error | Sterownik - błąd pamięci EEPROM
""")
    + rodzina("P0627", "Fuel Pump A {}", "Pompa paliwa A - {}", "CCO CCL CCH")
    + lista("""
P0630 | VIN Not Programmed or Incompatible - ECM/PCM | Numer VIN niezaprogramowany lub niezgodny - sterownik silnika (ECM/PCM)
P0631 | VIN Not Programmed or Incompatible - TCM | Numer VIN niezaprogramowany lub niezgodny - sterownik skrzyni biegów (TCM)
P0632 | Odometer Not Programmed - ECM/PCM | Licznik przebiegu niezaprogramowany - sterownik silnika (ECM/PCM)
P0633 | Immobilizer Key Not Programmed - ECM/PCM | Klucz immobilizera niezaprogramowany - sterownik silnika (ECM/PCM)
P0634 | PCM/ECM/TCM Internal Temperature Too High | Za wysoka temperatura wewnętrzna sterownika PCM/ECM/TCM
P0635 | Power Steering Control Circuit | Sterowanie wspomaganiem kierownicy - usterka obwodu
P0636 | Power Steering Control Circuit Low | Sterowanie wspomaganiem kierownicy - niski poziom sygnału w obwodzie
P0637 | Power Steering Control Circuit High | Sterowanie wspomaganiem kierownicy - wysoki poziom sygnału w obwodzie
P0638 | Throttle Actuator Control Range/Performance (Bank 1) | Sterowanie nastawnikiem przepustnicy (rząd 1) - nieprawidłowy zakres/działanie
P0639 | Throttle Actuator Control Range/Performance (Bank 2) | Sterowanie nastawnikiem przepustnicy (rząd 2) - nieprawidłowy zakres/działanie
P0640 | Intake Air Heater Control Circuit | Podgrzewacz powietrza dolotowego - usterka obwodu sterowania
""")
    + odniesienie("P0641", "A")
    + lista("""
P0644 | Driver Display Serial Communication Circuit | Wyświetlacz kierowcy - usterka obwodu komunikacji szeregowej
P0645 | A/C Clutch Relay Control Circuit | Przekaźnik sprzęgła sprężarki klimatyzacji - usterka obwodu sterowania
P0646 | A/C Clutch Relay Control Circuit Low | Przekaźnik sprzęgła sprężarki klimatyzacji - niski poziom sygnału w obwodzie sterowania
P0647 | A/C Clutch Relay Control Circuit High | Przekaźnik sprzęgła sprężarki klimatyzacji - wysoki poziom sygnału w obwodzie sterowania
P0648 | Immobilizer Lamp Control Circuit | Kontrolka immobilizera - usterka obwodu sterowania
P0649 | Speed Control Lamp Control Circuit | Kontrolka tempomatu - usterka obwodu sterowania
P0650 | Malfunction Indicator Lamp (MIL) Control Circuit | Kontrolka usterki silnika (MIL) - usterka obwodu sterowania
""")
    + odniesienie("P0651", "B")
    + lista("""
P0654 | Engine RPM Output Circuit | Wyjście sygnału prędkości obrotowej silnika - usterka obwodu
P0655 | Engine Hot Lamp Output Control Circuit | Kontrolka przegrzania silnika - usterka obwodu sterowania
P0656 | Fuel Level Output Circuit | Wyjście sygnału poziomu paliwa - usterka obwodu
""")
    + rodzina("P0657", "Actuator Supply Voltage A {}",
              "Napięcie zasilania elementów wykonawczych A - {}", "CO L H")
    + kolektor("P0660", 1) + kolektor("P0663", 2)
    + rodzina("P0666", "PCM/ECM/TCM Internal Temperature Sensor {}",
              "Czujnik temperatury wewnętrznej sterownika PCM/ECM/TCM - {}", "C RX L H")
    + lista("""
P0670 | Glow Plug Module Control Circuit | Moduł świec żarowych - usterka obwodu sterowania
""")
    + seria("P0671", SWIECE, range(1, 13))
    + lista("""
P0683 | Glow Plug Control Module to PCM Communication Circuit | Moduł sterowania świecami żarowymi - usterka obwodu komunikacji ze sterownikiem PCM
P0684 | Glow Plug Control Module to PCM Communication Circuit Range/Performance | Moduł sterowania świecami żarowymi - nieprawidłowy zakres/działanie obwodu komunikacji ze sterownikiem PCM
""")
    + rodzina("P0685", "ECM/PCM Power Relay {}", "Przekaźnik zasilania sterownika ECM/PCM - {}",
              "CCO CCL CCH SCO SCLo SCHi")
    + wentylator("P0691", 1) + wentylator("P0693", 2) + wentylator("P0695", 3)
    + odniesienie("P0697", "C")
)
