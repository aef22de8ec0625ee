"""P0700..P0799: transmission sensors, ratios, torque converter clutch and solenoids."""
from slownik import lista, rodzina, seria

ZAWOR = "N PSOo SON EL INT"


def zawor(start, en, pl):
    return rodzina(start, en + " {}", pl + " - {}", ZAWOR)


PRZELOZENIA = [("Gear {n} Incorrect Ratio", "Nieprawidłowe przełożenie biegu {n}")]

KODY = (
    lista("""
P0700 | Transmission Control System (MIL Request) | Układ sterowania skrzynią biegów - żądanie włączenia kontrolki MIL
P0701 | Transmission Control System Range/Performance | Układ sterowania skrzynią biegów - nieprawidłowy zakres/działanie
P0702 | Transmission Control System Electrical | Układ sterowania skrzynią biegów - usterka elektryczna
P0703 | Brake Switch B Circuit | Włącznik hamulca B - usterka obwodu
P0704 | Clutch Switch Input Circuit Malfunction | Włącznik sprzęgła - usterka obwodu wejściowego
P0705 | Transmission Range Sensor Circuit Malfunction (PRNDL Input) | Czujnik położenia dźwigni wyboru biegów (wejście PRNDL) - usterka obwodu
P0706 | Transmission Range Sensor Circuit Range/Performance | Czujnik położenia dźwigni wyboru biegów - nieprawidłowy zakres/działanie obwodu
P0707 | Transmission Range Sensor Circuit Low Input | Czujnik położenia dźwigni wyboru biegów - niski sygnał wejściowy
P0708 | Transmission Range Sensor Circuit High Input | Czujnik położenia dźwigni wyboru biegów - wysoki sygnał wejściowy
P0709 | Transmission Range Sensor Circuit Intermittent | Czujnik położenia dźwigni wyboru biegów - sygnał przerywany w obwodzie
""")
    + rodzina("P0710", "Transmission Fluid Temperature Sensor {}",
              "Czujnik temperatury oleju skrzyni biegów - {}", "C RP LI HI I")
    + rodzina("P0715", "Input/Turbine Speed Sensor {}",
              "Czujnik prędkości obrotowej wałka wejściowego/turbiny - {}", "C RP NS I")
    + lista("""
P0719 | Brake Switch B Circuit Low | Włącznik hamulca B - niski poziom sygnału w obwodzie
""")
    + rodzina("P0720", "Output Speed Sensor {}",
              "Czujnik prędkości obrotowej wałka wyjściowego - {}", "C RP NS I")
    + lista("""
P0724 | Brake Switch B Circuit High | Włącznik hamulca B - wysoki poziom sygnału w obwodzie
""")
    + rodzina("P0725", "Engine Speed Input {}",
              "Wejście sygnału prędkości obrotowej silnika - {}", "C RP NS I")
    + lista("""
P0729 | Gear 6 Incorrect Ratio | Nieprawidłowe przełożenie biegu 6
P0730 | Incorrect Gear Ratio | Nieprawidłowe przełożenie biegu
""")
    + seria("P0731", PRZELOZENIA, range(1, 6))
    + lista("""
P0736 | Reverse Incorrect Ratio | Nieprawidłowe przełożenie biegu wstecznego
""")
    + rodzina("P0737", "TCM Engine Speed Output {}",
              "Wyjście sygnału prędkości obrotowej silnika ze sterownika TCM - {}", "C L H")
    + lista("""
P0740 | Torque Converter Clutch Circuit/Open | Sprzęgło blokujące przemiennika momentu - usterka obwodu/przerwa
P0741 | Torque Converter Clutch Circuit Performance or Stuck Off | Sprzęgło blokujące przemiennika momentu - nieprawidłowe działanie lub zablokowanie w stanie wyłączonym
P0742 | Torque Converter Clutch Circuit Stuck On | Sprzęgło blokujące przemiennika momentu - zablokowanie w stanie włączonym
P0743 | Torque Converter Clutch Circuit Electrical | Sprzęgło blokujące przemiennika momentu - usterka elektryczna obwodu
P0744 | Torque Converter Clutch Circuit Intermittent | Sprzęgło blokujące przemiennika momentu - sygnał przerywany w obwodzie
""")
    + zawor("P0745", "Pressure Control Solenoid A", "Elektrozawór regulacji ciśnienia A")
    + zawor("P0750", "Shift Solenoid A", "Elektrozawór zmiany biegów A")
    + zawor("P0755", "Shift Solenoid B", "Elektrozawór zmiany biegów B")
    + zawor("P0760", "Shift Solenoid C", "Elektrozawór zmiany biegów C")
    + zawor("P0765", "Shift Solenoid D", "Elektrozawór zmiany biegów D")
    + zawor("P0770", "Shift Solenoid E", "Elektrozawór zmiany biegów E")
    + zawor("P0775", "Pressure Control Solenoid B", "Elektrozawór regulacji ciśnienia B")
    + lista("""
P0780 | Shift Error | Błąd zmiany biegu
P0781 | 1-2 Shift | Błąd zmiany biegu 1-2
P0782 | 2-3 Shift | Błąd zmiany biegu 2-3
P0783 | 3-4 Shift | Błąd zmiany biegu 3-4
P0784 | 4-5 Shift | Błąd zmiany biegu 4-5
""")
    + rodzina("P0785", "Shift/Timing Solenoid {}",
              "Elektrozawór synchronizacji zmiany biegów - {}", "N RX NL NH INT")
    + lista("""
P0790 | Normal/Performance Switch Circuit | Przełącznik trybu normalnego/sportowego - usterka obwodu
""")
    + rodzina("P0791", "Intermediate Shaft Speed Sensor A {}",
              "Czujnik prędkości obrotowej wałka pośredniego A - {}", "C RP NS I")
    + zawor("P0795", "Pressure Control Solenoid C", "Elektrozawór regulacji ciśnienia C")
)
