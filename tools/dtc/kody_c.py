"""C0xxx: the generic wheel speed sensor codes."""
from slownik import lista

KODY = lista("""
C0035 | Left Front Wheel Speed Sensor Circuit
C0040 | Right Front Wheel Speed Sensor Circuit
C0045 | Left Rear Wheel Speed Sensor Circuit
C0050 | Right Rear Wheel Speed Sensor Circuit
""")
