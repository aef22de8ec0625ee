"""P0300..P0399: misfire, knock, crankshaft and camshaft sensors, ignition, glow plugs."""
from slownik import lista, rodzina, seria

CZUJNIK = "C RP L H I"

WYPADANIA = [("Cylinder {n} Misfire Detected", "Cylinder {n} - wykryto przerwę zapłonu")]
CEWKI = [("Ignition Coil {n} Primary/Secondary Circuit",
          "Cewka zapłonowa {n} - usterka obwodu pierwotnego/wtórnego")]


def stuk(start, en_miejsce, pl_miejsce, n):
    return rodzina(start, f"Knock Sensor {n} {{}} ({en_miejsce})",
                   f"Czujnik spalania stukowego {n} ({pl_miejsce}) - {{}}",
                   "C RP L H") + rodzina(
        f"P0{int(start[1:]) + 4:03d}", f"Knock Sensor {n} Circuit Input Intermittent ({en_miejsce})",
        f"Czujnik spalania stukowego {n} ({pl_miejsce}) - {{}}", "I")


def wal_korbowy(start, w):
    return rodzina(start, f"Crankshaft Position Sensor {w} {{}}",
                   f"Czujnik położenia wału korbowego {w} - {{}}", CZUJNIK)


def walek(start, w, en_miejsce, pl_miejsce):
    return rodzina(start, f"Camshaft Position Sensor {w} {{}} ({en_miejsce})",
                   f"Czujnik położenia wałka rozrządu {w} ({pl_miejsce}) - {{}}", CZUJNIK)


def odniesienie(start, w):
    en = f"Timing Reference High Resolution Signal {w}"
    pl = f"Sygnał odniesienia wysokiej rozdzielczości {w}"
    return seria(start, [
        (en, f"{pl} - usterka"),
        (f"{en} Too Many Pulses", f"{pl} - za dużo impulsów"),
        (f"{en} Too Few Pulses", f"{pl} - za mało impulsów"),
        (f"{en} Intermittent/Erratic Pulses", f"{pl} - impulsy przerywane/niestabilne"),
        (f"{en} No Pulse", f"{pl} - brak impulsów"),
    ], [None])


KODY = (
    lista("""
P0300 | Random/Multiple Cylinder Misfire Detected | Wykryto losowe/wielokrotne przerwy zapłonu
""")
    + seria("P0301", WYPADANIA, range(1, 13))
    + lista("""
P0313 | Misfire Detected with Low Fuel | Wykryto przerwy zapłonu przy niskim poziomie paliwa
P0314 | Single Cylinder Misfire (Cylinder not Specified) | Przerwy zapłonu w jednym cylindrze (cylinder nieokreślony)
P0315 | Crankshaft Position System Variation Not Learned | Nie zaadaptowano odchyłek układu położenia wału korbowego
P0316 | Engine Misfire Detected on Startup (First 1000 Revolutions) | Wykryto przerwy zapłonu podczas rozruchu (pierwsze 1000 obrotów)
P0317 | Rough Road Hardware Not Present | Brak czujnika nierównej nawierzchni
P0318 | Rough Road Sensor A Signal Circuit | Czujnik nierównej nawierzchni A - usterka obwodu sygnałowego
P0319 | Rough Road Sensor B | Czujnik nierównej nawierzchni B - usterka
P0320 | Ignition/Distributor Engine Speed Input Circuit | Sygnał prędkości obrotowej z zapłonu/rozdzielacza - usterka obwodu
P0321 | Ignition/Distributor Engine Speed Input Circuit Range/Performance | Sygnał prędkości obrotowej z zapłonu/rozdzielacza - nieprawidłowy zakres/działanie obwodu
P0322 | Ignition/Distributor Engine Speed Input Circuit No Signal | Sygnał prędkości obrotowej z zapłonu/rozdzielacza - brak sygnału
P0323 | Ignition/Distributor Engine Speed Input Circuit Intermittent | Sygnał prędkości obrotowej z zapłonu/rozdzielacza - sygnał przerywany
P0324 | Knock Control System Error | Błąd układu regulacji spalania stukowego
""")
    + stuk("P0325", "Bank 1 or Single Sensor", "rząd 1 lub pojedynczy czujnik", 1)
    + stuk("P0330", "Bank 2", "rząd 2", 2)
    + wal_korbowy("P0335", "A")
    + walek("P0340", "A", "Bank 1 or Single Sensor", "rząd 1 lub pojedynczy czujnik")
    + walek("P0345", "A", "Bank 2", "rząd 2")
    + lista("""
P0350 | Ignition Coil Primary/Secondary Circuit | Cewki zapłonowe - usterka obwodu pierwotnego/wtórnego
""")
    + seria("P0351", CEWKI, "ABCDEFGHIJKL")
    + lista("""
P0363 | Misfire Detected - Fueling Disabled | Wykryto przerwy zapłonu - wyłączono dawkowanie paliwa
""")
    + walek("P0365", "B", "Bank 1", "rząd 1")
    + odniesienie("P0370", "A") + odniesienie("P0375", "B")
    + lista("""
P0380 | Glow Plug/Heater Circuit A | Świece żarowe/grzałka - usterka obwodu A
P0381 | Glow Plug/Heater Indicator Circuit | Kontrolka świec żarowych/grzałki - usterka obwodu
P0382 | Glow Plug/Heater Circuit B | Świece żarowe/grzałka - usterka obwodu B
P0383 | Glow Plug Control Module Control Circuit Low | Moduł sterowania świecami żarowymi - niski poziom sygnału w obwodzie sterowania
P0384 | Glow Plug Control Module Control Circuit High | Moduł sterowania świecami żarowymi - wysoki poziom sygnału w obwodzie sterowania
""")
    + wal_korbowy("P0385", "B")
    + walek("P0390", "B", "Bank 2", "rząd 2")
)
