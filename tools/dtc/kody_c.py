"""C0xxx: the generic brake, wheel speed and vehicle dynamics codes.

The chassis block is numbered in hex, so every run here counts in hex.
"""
from slownik import kolejne, lista

KOLA = ("Left Front", "Right Front", "Left Rear", "Right Rear")


def zawory():
    """The inlet and outlet valve of each wheel, the wheels four codes apart from C0010."""
    wynik = []
    for i, kolo in enumerate(KOLA):
        wynik += kolejne(f"C{0x10 + 4 * i:04X}",
                         [f"{kolo} Inlet Control", f"{kolo} Outlet Control"], True)
    return wynik


def kola():
    """Three codes a wheel from C0030: tone wheel, wheel speed sensor, its supply."""
    return kolejne("C0030", [t.format(kolo) for kolo in KOLA for t in (
        "{} Tone Wheel", "{} Wheel Speed Sensor", "{} Wheel Speed Sensor Supply")], True)


KODY = (
    kolejne("C0001", [f"TCS Control Channel {k} Valve {z}" for k in "AB" for z in (1, 2)])
    + zawory()
    + lista("""
C0020 | ABS Pump Motor Control
C0021 | Brake Booster Performance
""")
    + kola()
    + lista("""
C0040 | Brake Pedal Switch A
C0041 | Brake Pedal Switch B
C0042 | Brake Pedal Position Sensor A
C0044 | Brake Pressure Sensor A
C0046 | Brake Pressure Sensor A/B
C0051 | Steering Wheel Position Sensor
C0052 | Steering Wheel Position Sensor Signal A
C0061 | Lateral Acceleration Sensor
C0062 | Longitudinal Acceleration Sensor
C0063 | Yaw Rate Sensor
C0064 | Roll Rate Sensor
""")
)
