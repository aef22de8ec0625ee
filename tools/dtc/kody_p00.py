"""P0001..P00BF: fuel and air metering, camshaft timing, oxygen sensor heaters, boost."""
from slownik import STEROWANIE, lista, nastepny, rodzina

def grzalka(start, b, s):
    return rodzina(start, f"HO2S Heater {{}} (Bank {b} Sensor {s})",
                   f"Grzałka sondy lambda (rząd {b}, czujnik {s}) - {{}}", "CC CCL CCH")


def krzywki(start, wal, b):
    return rodzina(start, f"{wal} Camshaft Profile Control {{}} Bank {b}",
                   f"Sterowanie profilem krzywek wałka rozrządu {wal} (rząd {b}) - {{}}",
                   "CO L H")


def krzywki_dzialanie(start, wal, b):
    return rodzina(start, f"{wal} Camshaft Profile Control {{}} Bank {b}",
                   f"Sterowanie profilem krzywek wałka rozrządu {wal} (rząd {b}) - {{}}",
                   "PSO SON")


def faza(start, wal, b):
    en = f"{wal} Camshaft Position"
    pl = f"Położenie wałka rozrządu {wal} (rząd {b})"
    return [
        (start, f"{en} Actuator Circuit (Bank {b})",
         f"Nastawnik położenia wałka rozrządu {wal} (rząd {b}) - usterka obwodu"),
        (nastepny(start),
         f"{en} - Timing Over-Advanced or System Performance (Bank {b})",
         f"{pl} - zbyt duże wyprzedzenie faz rozrządu lub nieprawidłowe działanie układu"),
        (nastepny(nastepny(start)), f"{en} - Timing Over-Retarded (Bank {b})",
         f"{pl} - zbyt duże opóźnienie faz rozrządu"),
    ]


def zawory(start, rodzaj_en, rodzaj_pl, b, usterki):
    return rodzina(start, f"{rodzaj_en} Valve Control Solenoid {{}} (Bank {b})",
                   f"Elektrozawór sterowania zaworami {rodzaj_pl} (rząd {b}) - {{}}", usterki)


def rezystancja(kod, b, s):
    return (kod, f"HO2S Heater Resistance (Bank {b} Sensor {s})",
            f"Grzałka sondy lambda (rząd {b}, czujnik {s}) - nieprawidłowa rezystancja")


DOLADOWANIE_EN = "Turbocharger/Supercharger Boost Control {w} {{}}"
DOLADOWANIE_PL = "Sterowanie doładowaniem {w} turbosprężarki/sprężarki - {{}}"


def doladowanie(start, w, usterki):
    return rodzina(start, DOLADOWANIE_EN.format(w=w), DOLADOWANIE_PL.format(w=w), usterki)


def temperatura_cac(start, b):
    return rodzina(start, f"Charge Air Cooler Temperature Sensor {{}} Bank {b}",
                   f"Czujnik temperatury chłodnicy powietrza doładowującego (rząd {b}) - {{}}",
                   "C RP L H IE")


def iat(start, n, b):
    return rodzina(start, f"Intake Air Temperature Sensor {n} {{}} Bank {b}",
                   f"Czujnik temperatury powietrza dolotowego {n} (rząd {b}) - {{}}",
                   "C RP L H IE")


KODY = (
    rodzina("P0001", "Fuel Volume Regulator {}", "Regulator objętości paliwa - {}", STEROWANIE)
    + rodzina("P0005", "Fuel Shutoff Valve A {}", "Zawór odcinający paliwo A - {}",
              "CCO CCL CCH")
    + lista("""
P0008 | Engine Position System Performance Bank 1 | Układ położenia silnika (rząd 1) - nieprawidłowe działanie
P0009 | Engine Position System Performance Bank 2 | Układ położenia silnika (rząd 2) - nieprawidłowe działanie
P000A | A Camshaft Position Slow Response Bank 1 | Położenie wałka rozrządu A (rząd 1) - powolna reakcja
P000B | B Camshaft Position Slow Response Bank 1 | Położenie wałka rozrządu B (rząd 1) - powolna reakcja
P000C | A Camshaft Position Slow Response Bank 2 | Położenie wałka rozrządu A (rząd 2) - powolna reakcja
P000D | B Camshaft Position Slow Response Bank 2 | Położenie wałka rozrządu B (rząd 2) - powolna reakcja
P000E | Fuel Volume Regulator Control Exceeded Learning Limit | Regulator objętości paliwa - przekroczony limit adaptacji
P000F | Fuel System Over Pressure Relief Valve Activated | Zadziałał zawór nadciśnieniowy układu paliwowego
""")
    + faza("P0010", "A", 1) + faza("P0013", "B", 1)
    + lista("""
P0016 | Crankshaft Position - Camshaft Position Correlation (Bank 1 Sensor A) | Niezgodność położenia wału korbowego i wałka rozrządu (rząd 1, czujnik A)
P0017 | Crankshaft Position - Camshaft Position Correlation (Bank 1 Sensor B) | Niezgodność położenia wału korbowego i wałka rozrządu (rząd 1, czujnik B)
P0018 | Crankshaft Position - Camshaft Position Correlation (Bank 2 Sensor A) | Niezgodność położenia wału korbowego i wałka rozrządu (rząd 2, czujnik A)
P0019 | Crankshaft Position - Camshaft Position Correlation (Bank 2 Sensor B) | Niezgodność położenia wału korbowego i wałka rozrządu (rząd 2, czujnik B)
""")
    + krzywki("P001A", "A", 1) + krzywki("P001D", "A", 2)
    + faza("P0020", "A", 2) + faza("P0023", "B", 2)
    + zawory("P0026", "Intake", "dolotowymi", 1, "RP")
    + zawory("P0027", "Exhaust", "wylotowymi", 1, "RP")
    + zawory("P0028", "Intake", "dolotowymi", 2, "RP")
    + zawory("P0029", "Exhaust", "wylotowymi", 2, "RP")
    + krzywki("P002A", "B", 1) + krzywki("P002D", "B", 2)
    + grzalka("P0030", 1, 1)
    + rodzina("P0033", "Turbocharger Bypass Valve {}", "Zawór obejściowy turbosprężarki - {}",
              "CC CCL CCH")
    + grzalka("P0036", 1, 2)
    + lista("""
P0039 | Turbocharger/Supercharger Bypass Valve Control Circuit Range/Performance | Zawór obejściowy turbosprężarki/sprężarki - nieprawidłowy zakres/działanie obwodu sterowania
P003A | Turbocharger/Supercharger Boost Control A Position Exceeded Learning Limit | Sterowanie doładowaniem A turbosprężarki/sprężarki - przekroczony limit adaptacji położenia
P003B | Turbocharger/Supercharger Boost Control B Position Exceeded Learning Limit | Sterowanie doładowaniem B turbosprężarki/sprężarki - przekroczony limit adaptacji położenia
""")
    + krzywki_dzialanie("P003C", "A", 1) + krzywki_dzialanie("P003E", "A", 2)
    + lista("""
P0040 | O2 Sensor Signals Swapped Bank 1 Sensor 1/Bank 2 Sensor 1 | Zamienione sygnały sond lambda (rząd 1, czujnik 1 i rząd 2, czujnik 1)
P0041 | O2 Sensor Signals Swapped Bank 1 Sensor 2/Bank 2 Sensor 2 | Zamienione sygnały sond lambda (rząd 1, czujnik 2 i rząd 2, czujnik 2)
""")
    + grzalka("P0042", 1, 3)
    + doladowanie("P0045", "A", "CO RP L H")
    + lista("""
P0049 | Turbocharger/Supercharger Turbine Overspeed | Turbosprężarka/sprężarka - przekroczona prędkość obrotowa turbiny
""")
    + doladowanie("P004A", "B", "CO RP L H")
    + doladowanie("P004E", "A", "IE") + doladowanie("P004F", "B", "IE")
    + grzalka("P0050", 2, 1)
    + [rezystancja("P0053", 1, 1), rezystancja("P0054", 1, 2), rezystancja("P0055", 1, 3)]
    + grzalka("P0056", 2, 2)
    + [rezystancja("P0059", 2, 1)]
    + krzywki_dzialanie("P005A", "B", 1) + krzywki_dzialanie("P005C", "B", 2)
    + doladowanie("P005E", "B", "SVL SVH")
    + [rezystancja("P0060", 2, 2), rezystancja("P0061", 2, 3)]
    + grzalka("P0062", 2, 3)
    + lista("""
P0065 | Air Assisted Injector Control Range/Performance | Sterowanie wtryskiwaczem wspomaganym powietrzem - nieprawidłowy zakres/działanie
P0066 | Air Assisted Injector Control Circuit or Circuit Low | Sterowanie wtryskiwaczem wspomaganym powietrzem - usterka obwodu lub niski poziom sygnału
P0067 | Air Assisted Injector Control Circuit High | Sterowanie wtryskiwaczem wspomaganym powietrzem - wysoki poziom sygnału w obwodzie
P0068 | MAP/MAF - Throttle Position Correlation | Niezgodność sygnałów MAP/MAF i położenia przepustnicy
P0069 | Manifold Absolute Pressure - Barometric Pressure Correlation | Niezgodność ciśnienia bezwzględnego w kolektorze dolotowym i ciśnienia barometrycznego
P006A | MAP - Mass or Volume Air Flow Correlation Bank 1 | Niezgodność ciśnienia w kolektorze dolotowym i przepływu powietrza (rząd 1)
P006B | MAP - Exhaust Pressure Correlation | Niezgodność ciśnienia w kolektorze dolotowym i ciśnienia spalin
P006C | MAP - Turbocharger/Supercharger Inlet Pressure Correlation | Niezgodność ciśnienia w kolektorze dolotowym i ciśnienia na wlocie turbosprężarki/sprężarki
P006D | Barometric Pressure - Turbocharger/Supercharger Inlet Pressure Correlation | Niezgodność ciśnienia barometrycznego i ciśnienia na wlocie turbosprężarki/sprężarki
""")
    + doladowanie("P006E", "A", "SVL SVH")
    + lista("""
P0070 | Ambient Air Temperature Sensor Circuit | Czujnik temperatury powietrza zewnętrznego - usterka obwodu
P0071 | Ambient Air Temperature Sensor Range/Performance | Czujnik temperatury powietrza zewnętrznego - nieprawidłowy zakres/działanie
P0072 | Ambient Air Temperature Sensor Circuit Low | Czujnik temperatury powietrza zewnętrznego - niski poziom sygnału w obwodzie
P0073 | Ambient Air Temperature Sensor Circuit High | Czujnik temperatury powietrza zewnętrznego - wysoki poziom sygnału w obwodzie
P0074 | Ambient Air Temperature Sensor Circuit Intermittent | Czujnik temperatury powietrza zewnętrznego - sygnał przerywany w obwodzie
""")
    + zawory("P0075", "Intake", "dolotowymi", 1, "C L H")
    + zawory("P0078", "Exhaust", "wylotowymi", 1, "C L")
    + temperatura_cac("P007A", 1)
    + lista("""
P007F | Charge Air Cooler Temperature Sensor Bank 1/Bank 2 Correlation | Czujniki temperatury chłodnicy powietrza doładowującego - niezgodność sygnałów rzędu 1 i rzędu 2
""")
    + zawory("P0080", "Exhaust", "wylotowymi", 1, "H")
    + zawory("P0081", "Intake", "dolotowymi", 2, "C L H")
    + zawory("P0084", "Exhaust", "wylotowymi", 2, "C L H")
    + lista("""
P0087 | Fuel Rail/System Pressure - Too Low | Ciśnienie paliwa w listwie/układzie - za niskie
P0088 | Fuel Rail/System Pressure - Too High | Ciśnienie paliwa w listwie/układzie - za wysokie
P0089 | Fuel Pressure Regulator 1 Performance | Regulator ciśnienia paliwa 1 - nieprawidłowe działanie
P008A | Low Pressure Fuel System Pressure - Too Low | Ciśnienie w niskociśnieniowym układzie paliwowym - za niskie
P008B | Low Pressure Fuel System Pressure - Too High | Ciśnienie w niskociśnieniowym układzie paliwowym - za wysokie
""")
    + rodzina("P008C", "Fuel Cooler Pump {}", "Pompa chłodnicy paliwa - {}", "CCO CCL CCH")
    + lista("""
P008F | Engine Coolant Temperature/Fuel Temperature Correlation | Niezgodność temperatury cieczy chłodzącej i temperatury paliwa
""")
    + rodzina("P0090", "Fuel Pressure Regulator 1 {}", "Regulator ciśnienia paliwa 1 - {}",
              "CC CCL CCH")
    + lista("""
P0093 | Fuel System Leak Detected - Large Leak | Wykryto nieszczelność układu paliwowego - duży wyciek
P0094 | Fuel System Leak Detected - Small Leak | Wykryto nieszczelność układu paliwowego - mały wyciek
""")
    + iat("P0095", 2, 1)
    + lista("""
P009A | Intake Air Temperature/Ambient Air Temperature Correlation | Niezgodność temperatury powietrza dolotowego i temperatury powietrza zewnętrznego
""")
    + rodzina("P009B", "Fuel Pressure Relief {}", "Upust ciśnienia paliwa - {}",
              "CCO CCL CCH")
    + rodzina("P009E", "Fuel Pressure Relief Control {}",
              "Sterowanie upustem ciśnienia paliwa - {}", "PSO SON")
    + temperatura_cac("P00A0", 2)
    + iat("P00A5", 2, 2) + iat("P00AA", 1, 2)
    + lista("""
P00AF | Turbocharger/Supercharger Boost Control A Module Performance | Moduł sterowania doładowaniem A turbosprężarki/sprężarki - nieprawidłowe działanie
P00B0 | Turbocharger/Supercharger Boost Control B Module Performance | Moduł sterowania doładowaniem B turbosprężarki/sprężarki - nieprawidłowe działanie
""")
    + rodzina("P00B1", "Radiator Coolant Temperature Sensor {}",
              "Czujnik temperatury cieczy w chłodnicy - {}", "C RP L H IE")
    + lista("""
P00B6 | Radiator Coolant Temperature/Engine Coolant Temperature Correlation | Niezgodność temperatury cieczy w chłodnicy i temperatury cieczy chłodzącej silnika
P00B7 | Engine Coolant Flow Low/Performance | Przepływ cieczy chłodzącej silnika - za mały/nieprawidłowe działanie
P00B8 | MAP - Mass or Volume Air Flow Correlation Bank 2 | Niezgodność ciśnienia w kolektorze dolotowym i przepływu powietrza (rząd 2)
P00B9 | Low Pressure Fuel System Pressure - Too Low, Low Ambient Temperature | Ciśnienie w niskociśnieniowym układzie paliwowym - za niskie przy niskiej temperaturze otoczenia
P00BA | Low Fuel Pressure - Forced Limited Power | Niskie ciśnienie paliwa - wymuszone ograniczenie mocy
P00BB | Fuel Injector Insufficient Flow - Forced Limited Power | Niewystarczający przepływ przez wtryskiwacze - wymuszone ograniczenie mocy
P00BC | Mass or Volume Air Flow A Circuit Range/Performance - Air Flow Too Low | Przepływomierz powietrza A - nieprawidłowy zakres/działanie obwodu, za mały przepływ powietrza
P00BD | Mass or Volume Air Flow A Circuit Range/Performance - Air Flow Too High | Przepływomierz powietrza A - nieprawidłowy zakres/działanie obwodu, za duży przepływ powietrza
P00BE | Mass or Volume Air Flow B Circuit Range/Performance - Air Flow Too Low | Przepływomierz powietrza B - nieprawidłowy zakres/działanie obwodu, za mały przepływ powietrza
P00BF | Mass or Volume Air Flow B Circuit Range/Performance - Air Flow Too High | Przepływomierz powietrza B - nieprawidłowy zakres/działanie obwodu, za duży przepływ powietrza
""")
)
