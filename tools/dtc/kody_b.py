"""B0xxx: the generic restraint deployment, seat belt sensor and occupant classification codes."""
from slownik import lista

KODY = lista("""
B0001 | Driver Frontal Stage 1 Deployment Control
B0002 | Driver Frontal Stage 2 Deployment Control
B0003 | Driver Frontal Stage 3 Deployment Control
B0004 | Driver Knee Bolster Deployment Control
B0005 | Collapsible Steering Column Deployment Control
B0010 | Passenger Frontal Stage 1 Deployment Control
B0011 | Passenger Frontal Stage 2 Deployment Control
B0012 | Passenger Frontal Stage 3 Deployment Control
B0013 | Passenger Knee Bolster Deployment Control
B0020 | Left Side Airbag Deployment Control
B0021 | Left Curtain Deployment Control 1
B0022 | Left Curtain Deployment Control 2
B0028 | Right Side Airbag Deployment Control
B0029 | Right Curtain Deployment Control 1
B002A | Right Curtain Deployment Control 2
B0050 | Driver Seatbelt Sensor
B0052 | Passenger Seatbelt Sensor
B00A0 | Occupant Classification System
""")
