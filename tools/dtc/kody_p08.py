"""P0800..P0999: transmission switches, pressures, automated manual and solenoid circuits."""
from slownik import lista, rodzina

CZUJNIK = "C RP L H I"
SILOWNIK = "CO RP L H"


def cisnienie_oleju(start, w):
    return rodzina(start, f"Transmission Fluid Pressure Sensor/Switch {w} {{}}",
                   f"Czujnik/włącznik ciśnienia oleju skrzyni biegów {w} - {{}}", CZUJNIK)


def regulacja(start, w):
    return rodzina(start, f"Pressure Control Solenoid {w} {{}}",
                   f"Elektrozawór regulacji ciśnienia {w} - {{}}", "CCO CCRP CCL CCH")


def zmiana(start, w):
    return rodzina(start, f"Shift Solenoid {w} {{}}", f"Elektrozawór zmiany biegów {w} - {{}}",
                   "CCRP CCL CCH")


def trzy(start, en, pl, usterki="C L H"):
    return rodzina(start, en + " {}", pl + " - {}", usterki)


KODY = (
    lista("""
P0800 | Transfer Case Control System (MIL Request) | Układ sterowania skrzynką rozdzielczą - żądanie włączenia kontrolki MIL
P0801 | Reverse Inhibit Control Circuit | Blokada biegu wstecznego - usterka obwodu sterowania
P0802 | Transmission Control System MIL Request Circuit/Open | Układ sterowania skrzynią biegów - usterka obwodu żądania kontrolki MIL/przerwa
P0803 | 1-4 Upshift (Skip Shift) Solenoid Control Circuit | Elektrozawór pominięcia biegów 1-4 - usterka obwodu sterowania
P0804 | 1-4 Upshift (Skip Shift) Lamp Control Circuit | Kontrolka pominięcia biegów 1-4 - usterka obwodu sterowania
""")
    + rodzina("P0805", "Clutch Position Sensor {}", "Czujnik położenia sprzęgła - {}", CZUJNIK)
    + lista("""
P0810 | Clutch Position Control Error | Błąd sterowania położeniem sprzęgła
P0811 | Excessive Clutch Slippage | Nadmierny poślizg sprzęgła
P0812 | Reverse Input Circuit | Wejście sygnału biegu wstecznego - usterka obwodu
P0813 | Reverse Output Circuit | Wyjście sygnału biegu wstecznego - usterka obwodu
P0814 | Transmission Range Display Circuit | Wskaźnik położenia dźwigni wyboru biegów - usterka obwodu
P0815 | Upshift Switch Circuit | Przełącznik zmiany biegu w górę - usterka obwodu
P0816 | Downshift Switch Circuit | Przełącznik zmiany biegu w dół - usterka obwodu
P0817 | Starter Disable Circuit | Blokada rozrusznika - usterka obwodu
P0818 | Driveline Disconnect Switch Input Circuit | Przełącznik rozłączania napędu - usterka obwodu wejściowego
P0820 | Gear Lever X-Y Position Sensor Circuit | Czujnik położenia X-Y dźwigni zmiany biegów - usterka obwodu
P0821 | Gear Lever X Position Circuit | Położenie X dźwigni zmiany biegów - usterka obwodu
P0822 | Gear Lever Y Position Circuit | Położenie Y dźwigni zmiany biegów - usterka obwodu
P0823 | Gear Lever X Position Circuit Intermittent | Położenie X dźwigni zmiany biegów - sygnał przerywany w obwodzie
P0824 | Gear Lever Y Position Circuit Intermittent | Położenie Y dźwigni zmiany biegów - sygnał przerywany w obwodzie
P0825 | Gear Lever Push-Pull Switch (Shift Anticipate) | Przełącznik pchnij-pociągnij dźwigni zmiany biegów (przewidywanie zmiany biegu) - usterka
""")
    + trzy("P0826", "Up and Down Shift Switch", "Przełącznik zmiany biegów w górę i w dół")
    + lista("""
P0829 | 5-6 Shift | Błąd zmiany biegu 5-6
""")
    + trzy("P0830", "Clutch Pedal Switch A", "Włącznik pedału sprzęgła A")
    + trzy("P0833", "Clutch Pedal Switch B", "Włącznik pedału sprzęgła B")
    + trzy("P0836", "Four Wheel Drive (4WD) Switch", "Przełącznik napędu na cztery koła (4WD)",
           "C RP L H")
    + cisnienie_oleju("P0840", "A") + cisnienie_oleju("P0845", "B")
    + rodzina("P0850", "Park/Neutral Switch Input {}", "Włącznik położenia P/N - {}", "C L H")
    + rodzina("P0853", "Drive Switch Input {}", "Włącznik położenia D - {}", "C L H")
    + rodzina("P0856", "Traction Control Input Signal {}",
              "Sygnał wejściowy układu kontroli trakcji - {}", "N RX NL NH")
    + rodzina("P0860", "Gear Shift Module Communication {}",
              "Moduł zmiany biegów - {} komunikacji", "C L H")
    + rodzina("P0863", "TCM Communication {}",
              "Sterownik skrzyni biegów (TCM) - {} komunikacji", "C RP L H")
    + lista("""
P0867 | Transmission Fluid Pressure | Ciśnienie oleju skrzyni biegów - usterka
P0868 | Transmission Fluid Pressure Low | Ciśnienie oleju skrzyni biegów - za niskie
P0869 | Transmission Fluid Pressure High | Ciśnienie oleju skrzyni biegów - za wysokie
""")
    + cisnienie_oleju("P0870", "C") + cisnienie_oleju("P0875", "D")
    + rodzina("P0880", "TCM Power Input Signal {}", "Sygnał zasilania sterownika TCM - {}",
              "N RX NL NH INT")
    + rodzina("P0885", "TCM Power Relay {}", "Przekaźnik zasilania sterownika TCM - {}",
              "CCO CCL CCH SC SCRP SCLo SCHi SCI")
    + lista("""
P0893 | Multiple Gears Engaged | Włączonych kilka biegów jednocześnie
P0894 | Transmission Component Slipping | Poślizg elementu skrzyni biegów
P0895 | Shift Time Too Short | Za krótki czas zmiany biegu
P0896 | Shift Time Too Long | Za długi czas zmiany biegu
P0897 | Transmission Fluid Deteriorated | Zużyty olej skrzyni biegów
P0898 | Transmission Control System MIL Request Circuit Low | Układ sterowania skrzynią biegów - niski poziom sygnału w obwodzie żądania kontrolki MIL
P0899 | Transmission Control System MIL Request Circuit High | Układ sterowania skrzynią biegów - wysoki poziom sygnału w obwodzie żądania kontrolki MIL
""")
    + rodzina("P0900", "Clutch Actuator {}", "Siłownik sprzęgła - {}", SILOWNIK)
    + rodzina("P0904", "Gate Select Position {}", "Położenie wybierania ścieżki biegów - {}",
              CZUJNIK)
    + lista("""
P0909 | Gate Select Control Error | Błąd sterowania wybieraniem ścieżki biegów
""")
    + rodzina("P0910", "Gate Select Actuator {}", "Siłownik wybierania ścieżki biegów - {}",
              SILOWNIK)
    + rodzina("P0914", "Gear Shift Position {}", "Położenie zmiany biegów - {}", CZUJNIK)
    + lista("""
P0919 | Gear Shift Position Control Error | Błąd sterowania położeniem zmiany biegów
""")
    + rodzina("P0920", "Gear Shift Forward Actuator {}",
              "Siłownik zmiany biegów do przodu - {}", SILOWNIK)
    + rodzina("P0924", "Gear Shift Reverse Actuator {}",
              "Siłownik zmiany biegów do tyłu - {}", SILOWNIK)
    + rodzina("P0928", "Gear Shift Lock Solenoid {}", "Elektrozawór blokady zmiany biegów - {}",
              "CCO CCRP CCL CCH")
    + rodzina("P0932", "Hydraulic Pressure Sensor {}", "Czujnik ciśnienia hydraulicznego - {}",
              CZUJNIK)
    + rodzina("P0937", "Hydraulic Oil Temperature Sensor {}",
              "Czujnik temperatury oleju hydraulicznego - {}", CZUJNIK)
    + lista("""
P0942 | Hydraulic Pressure Unit | Zespół ciśnienia hydraulicznego - usterka
P0943 | Hydraulic Pressure Unit Cycling Period Too Short | Zespół ciśnienia hydraulicznego - za krótki okres cyklu pracy
P0944 | Hydraulic Pressure Unit Loss of Pressure | Zespół ciśnienia hydraulicznego - utrata ciśnienia
""")
    + rodzina("P0945", "Hydraulic Pump Relay {}", "Przekaźnik pompy hydraulicznej - {}",
              SILOWNIK)
    + lista("""
P0949 | Auto Shift Manual Adaptive Learning Not Complete | Zautomatyzowana skrzynia biegów - adaptacja nie została zakończona
""")
    + rodzina("P0950", "Auto Shift Manual Control {}",
              "Sterowanie ręczne zautomatyzowanej skrzyni biegów - {}", CZUJNIK)
    + rodzina("P0955", "Auto Shift Manual Mode {}",
              "Tryb ręczny zautomatyzowanej skrzyni biegów - {}", CZUJNIK)
    + regulacja("P0960", "A") + regulacja("P0964", "B") + regulacja("P0968", "C")
    + zmiana("P0972", "A") + zmiana("P0975", "B") + zmiana("P0978", "C")
    + zmiana("P0981", "D") + zmiana("P0984", "E")
    + cisnienie_oleju("P0987", "E") + cisnienie_oleju("P0992", "F")
    + zmiana("P0997", "F")
)
