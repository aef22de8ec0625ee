"""P0400..P0499: exhaust gas recirculation, secondary air, catalysts, evaporative system."""
from slownik import lista, rodzina

EGR = "Exhaust Gas Recirculation"
AIR = "Secondary Air Injection System"
EVAP = "Evaporative Emission Control System"
CZUJNIK_KLASYCZNY = "C RP LI HI I"


def katalizator(start, b):
    r = f"rząd {b}"
    return lista(f"""
{start}0 | Catalyst System Efficiency Below Threshold (Bank {b}) | Sprawność katalizatora poniżej progu ({r})
{start}1 | Warm Up Catalyst Efficiency Below Threshold (Bank {b}) | Sprawność katalizatora rozruchowego poniżej progu ({r})
{start}2 | Main Catalyst Efficiency Below Threshold (Bank {b}) | Sprawność katalizatora głównego poniżej progu ({r})
{start}3 | Heated Catalyst Efficiency Below Threshold (Bank {b}) | Sprawność katalizatora podgrzewanego poniżej progu ({r})
{start}4 | Heated Catalyst Temperature Below Threshold (Bank {b}) | Temperatura katalizatora podgrzewanego poniżej progu ({r})
{start}5 | Catalyst Temperature Sensor (Bank {b}) | Czujnik temperatury katalizatora ({r}) - usterka
{start}6 | Catalyst Temperature Sensor Range/Performance (Bank {b}) | Czujnik temperatury katalizatora ({r}) - nieprawidłowy zakres/działanie
{start}7 | Catalyst Temperature Sensor Low Input (Bank {b}) | Czujnik temperatury katalizatora ({r}) - niski sygnał wejściowy
{start}8 | Catalyst Temperature Sensor High Input (Bank {b}) | Czujnik temperatury katalizatora ({r}) - wysoki sygnał wejściowy
{start}9 | Catalyst Heater Control Circuit (Bank {b}) | Grzałka katalizatora ({r}) - usterka obwodu sterowania
""")


def zawor_air(start, w):
    return rodzina(start, f"{AIR} Switching Valve {w} {{}}",
                   f"Zawór przełączający {w} układu wtrysku powietrza wtórnego - {{}}",
                   "C O SH")


KODY = (
    lista(f"""
P0400 | {EGR} Flow | Przepływ recyrkulacji spalin (EGR) - usterka
P0401 | {EGR} Flow Insufficient Detected | Recyrkulacja spalin (EGR) - wykryto za mały przepływ
P0402 | {EGR} Flow Excessive Detected | Recyrkulacja spalin (EGR) - wykryto za duży przepływ
P0403 | {EGR} Control Circuit | Sterowanie recyrkulacją spalin (EGR) - usterka obwodu
P0404 | {EGR} Control Circuit Range/Performance | Sterowanie recyrkulacją spalin (EGR) - nieprawidłowy zakres/działanie obwodu
P0405 | {EGR} Sensor A Circuit Low | Czujnik A recyrkulacji spalin (EGR) - niski poziom sygnału w obwodzie
P0406 | {EGR} Sensor A Circuit High | Czujnik A recyrkulacji spalin (EGR) - wysoki poziom sygnału w obwodzie
P0407 | {EGR} Sensor B Circuit Low | Czujnik B recyrkulacji spalin (EGR) - niski poziom sygnału w obwodzie
P0408 | {EGR} Sensor B Circuit High | Czujnik B recyrkulacji spalin (EGR) - wysoki poziom sygnału w obwodzie
P0409 | {EGR} Sensor A Circuit | Czujnik A recyrkulacji spalin (EGR) - usterka obwodu
P0410 | {AIR} | Układ wtrysku powietrza wtórnego - usterka
P0411 | {AIR} Incorrect Flow Detected | Układ wtrysku powietrza wtórnego - wykryto nieprawidłowy przepływ
""")
    + zawor_air("P0412", "A") + zawor_air("P0415", "B")
    + lista(f"""
P0418 | {AIR} Control A Circuit | Sterowanie A układu wtrysku powietrza wtórnego - usterka obwodu
P0419 | {AIR} Control B Circuit | Sterowanie B układu wtrysku powietrza wtórnego - usterka obwodu
""")
    + katalizator("P042", 1) + katalizator("P043", 2)
    + lista(f"""
P0440 | {EVAP} | Układ kontroli emisji par paliwa (EVAP) - usterka
P0441 | {EVAP} Incorrect Purge Flow | Układ kontroli emisji par paliwa (EVAP) - nieprawidłowy przepływ przedmuchu
P0442 | {EVAP} Leak Detected (small leak) | Układ kontroli emisji par paliwa (EVAP) - wykryto nieszczelność (mała)
P0443 | {EVAP} Purge Control Valve Circuit | Zawór przedmuchu układu EVAP - usterka obwodu
P0444 | {EVAP} Purge Control Valve Circuit Open | Zawór przedmuchu układu EVAP - przerwa w obwodzie
P0445 | {EVAP} Purge Control Valve Circuit Shorted | Zawór przedmuchu układu EVAP - zwarcie w obwodzie
P0446 | {EVAP} Vent Control Circuit | Sterowanie odpowietrzeniem układu EVAP - usterka obwodu
P0447 | {EVAP} Vent Control Circuit Open | Sterowanie odpowietrzeniem układu EVAP - przerwa w obwodzie
P0448 | {EVAP} Vent Control Circuit Shorted | Sterowanie odpowietrzeniem układu EVAP - zwarcie w obwodzie
P0449 | {EVAP} Vent Valve/Solenoid Circuit | Zawór/elektrozawór odpowietrzający układu EVAP - usterka obwodu
P0450 | {EVAP} Pressure Sensor | Czujnik ciśnienia układu EVAP - usterka
P0451 | {EVAP} Pressure Sensor Range/Performance | Czujnik ciśnienia układu EVAP - nieprawidłowy zakres/działanie
P0452 | {EVAP} Pressure Sensor Low Input | Czujnik ciśnienia układu EVAP - niski sygnał wejściowy
P0453 | {EVAP} Pressure Sensor High Input | Czujnik ciśnienia układu EVAP - wysoki sygnał wejściowy
P0454 | {EVAP} Pressure Sensor Intermittent | Czujnik ciśnienia układu EVAP - sygnał przerywany
P0455 | {EVAP} Leak Detected (large leak) | Układ kontroli emisji par paliwa (EVAP) - wykryto nieszczelność (duża)
P0456 | {EVAP} Leak Detected (very small leak) | Układ kontroli emisji par paliwa (EVAP) - wykryto nieszczelność (bardzo mała)
P0457 | {EVAP} Leak Detected (fuel cap loose/off) | Układ kontroli emisji par paliwa (EVAP) - wykryto nieszczelność (luźny lub brak korka wlewu paliwa)
P0458 | {EVAP} Purge Control Valve Circuit Low | Zawór przedmuchu układu EVAP - niski poziom sygnału w obwodzie
P0459 | {EVAP} Purge Control Valve Circuit High | Zawór przedmuchu układu EVAP - wysoki poziom sygnału w obwodzie
""")
    + rodzina("P0460", "Fuel Level Sensor {}", "Czujnik poziomu paliwa - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0465", "EVAP Purge Flow Sensor {}",
              "Czujnik przepływu przedmuchu układu EVAP - {}", CZUJNIK_KLASYCZNY)
    + rodzina("P0470", "Exhaust Pressure Sensor {}", "Czujnik ciśnienia spalin - {}",
              "N RX NL NH INT")
    + rodzina("P0475", "Exhaust Pressure Control Valve {}",
              "Zawór regulacji ciśnienia spalin - {}", "N RX NL NH INT")
    + lista(f"""
P0480 | Cooling Fan 1 Control Circuit | Wentylator chłodnicy 1 - usterka obwodu sterowania
P0481 | Cooling Fan 2 Control Circuit | Wentylator chłodnicy 2 - usterka obwodu sterowania
P0482 | Cooling Fan 3 Control Circuit | Wentylator chłodnicy 3 - usterka obwodu sterowania
P0483 | Cooling Fan Rationality Check | Wentylator chłodnicy - błąd kontroli wiarygodności
P0484 | Cooling Fan Circuit Over Current | Wentylator chłodnicy - przeciążenie prądowe obwodu
P0485 | Cooling Fan Power/Ground Circuit | Wentylator chłodnicy - usterka obwodu zasilania/masy
P0486 | {EGR} Sensor B Circuit | Czujnik B recyrkulacji spalin (EGR) - usterka obwodu
P0487 | {EGR} Throttle Position Control Circuit | Sterowanie położeniem przepustnicy EGR - usterka obwodu
P0488 | {EGR} Throttle Position Control Range/Performance | Sterowanie położeniem przepustnicy EGR - nieprawidłowy zakres/działanie
P0489 | {EGR} Control Circuit Low | Sterowanie recyrkulacją spalin (EGR) - niski poziom sygnału w obwodzie
P0490 | {EGR} Control Circuit High | Sterowanie recyrkulacją spalin (EGR) - wysoki poziom sygnału w obwodzie
P0491 | {AIR} (Bank 1) | Układ wtrysku powietrza wtórnego (rząd 1) - usterka
P0492 | {AIR} (Bank 2) | Układ wtrysku powietrza wtórnego (rząd 2) - usterka
P0493 | Fan Overspeed (Clutch Locked) | Wentylator - za wysoka prędkość obrotowa (zablokowane sprzęgło)
P0494 | Fan Speed Low | Wentylator - za niska prędkość obrotowa
P0495 | Fan Speed High | Wentylator - za wysoka prędkość obrotowa
P0496 | Evaporative Emission System High Purge Flow | Układ EVAP - za duży przepływ przedmuchu
P0497 | Evaporative Emission System Low Purge Flow | Układ EVAP - za mały przepływ przedmuchu
P0498 | Evaporative Emission System Vent Valve Control Circuit Low | Zawór odpowietrzający układu EVAP - niski poziom sygnału w obwodzie sterowania
P0499 | Evaporative Emission System Vent Valve Control Circuit High | Zawór odpowietrzający układu EVAP - wysoki poziom sygnału w obwodzie sterowania
""")
)
