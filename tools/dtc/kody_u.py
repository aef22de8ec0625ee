"""U0001..U3003: network buses, lost communication, software incompatibility, invalid data and
the control module itself."""
from slownik import kolejne, lista


def magistrala(start, nazwa, druga):
    """The nine codes of one bus: the bus, its performance, then each wire open, low, high."""
    rodzaje = ["", " (Performance)"]
    for przewod in ("+", "-"):
        rodzaje += [f" ({przewod}) Open", f" ({przewod}) Low", f" ({przewod}) High"]
    rodzaje.append(f" (-) Shorted to {druga} (+)")
    return kolejne(start, [nazwa + r for r in rodzaje])


def utrata(start, moduly):
    return kolejne(start, [f"Lost Communication With {m}" for m in moduly])


def oprogramowanie(start, moduly):
    return kolejne(start, [f"Software Incompatibility With {m}" for m in moduly])


def bledne_dane(start, moduly):
    return kolejne(start, [f"Invalid Data Received From {m}" for m in moduly])


def litery(nazwa, ktore):
    return [f"{nazwa} {w}" for w in ktore]


# U0100..U0132: powertrain and chassis modules.
NAPED = [
    "ECM/PCM A", "TCM", "Transfer Case Control Module", "Gear Shift Module",
    "Cruise Control Module", "Fuel Injector Control Module", "Glow Plug Control Module",
    "Throttle Actuator Control Module", "Alternative Fuel Control Module",
    "Fuel Pump Control Module", "Drive Motor Control Module A",
    "Battery Energy Control Module A", "Battery Energy Control Module B",
    "Emissions Critical Control Information", "Four-Wheel Drive Clutch Control Module",
    "ECM/PCM B", "Coolant Temperature Control Module", "PTO Control Module",
    "Fuel Additive Control Module", "Fuel Cell Control Module",
    "Starter/Generator Control Module", "Anti-Lock Brake System (ABS) Control Module",
    "Vehicle Dynamics Control Module", "Yaw Rate Sensor Module",
    "Lateral Acceleration Sensor Module", "Multi-axis Acceleration Sensor Module",
    "Steering Angle Sensor Module", "Tire Pressure Monitor Module",
    "Park Brake Control Module", "Brake System Control Module",
    "Steering Effort Control Module", "Power Steering Control Module",
    "Ride Level Control Module",
]

# U0140..U0238: body, restraints, information and comfort modules.
NADWOZIE = (
    ["Body Control Module"] + litery("Body Control Module", "ABCDE")
    + litery("Gateway", "ABCDE")
    + ["Restraints Control Module", "Side Restraints Control Module Left",
       "Side Restraints Control Module Right", "Restraints Occupant Sensing Control Module",
       "Instrument Panel Cluster (IPC) Control Module", "Information Center A",
       "Information Center B", "Head Up Display", "Parking Assist Control Module",
       "Audible Alert Control Module", "Compass Module", "Navigation Display Module",
       "Navigation Control Module", "HVAC Control Module", "HVAC Control Module Rear",
       "Auxiliary Heater Control Module", "Vehicle Immobilizer Control Module",
       "Vehicle Security Control Module", "Sunroof Control Module"]
    + litery("Restraints System Sensor", "ABCDEFGHIJ")
    + ["Automatic Lighting Control Module", "Headlamp Leveling Control Module",
       "Lighting Control Module Front", "Lighting Control Module Rear", "Radio",
       "Antenna Control Module", "Audio Amplifier"]
    + litery("Digital Disc Player/Changer Module", "ABCD")
    + ["Television", "Personal Computer"]
    + litery("Digital Audio Control Module", "AB")
    + ["Subscription Entertainment Receiver Module",
       "Rear Seat Entertainment Control Module", "Telephone Control Module",
       "Telematic Control Module"]
    + litery("Door Control Module", "ABCDEFG")
    + ["Folding Top Control Module", "Moveable Roof Control Module"]
    + litery("Seat Control Module", "ABCD")
    + ["Steering Column Control Module", "Mirror Control Module",
       "Remote Function Actuation"]
    + litery("Door Switch", "ABCDEFG") + litery("Door Window Motor", "ABCDEFG")
    + ["Heated Steering Wheel Module", "Rear Gate Module", "Rain Sensing Module",
       "Side Obstacle Detection Control Module Left",
       "Side Obstacle Detection Control Module Right", "Convenience Recall Module",
       "Cruise Control Front Distance Range Sensor", "Column Lock Module"]
    + litery("Digital Audio Control Module", "CD")
)

# U0301..U0331: the modules whose software the reporting module checks.
OPROGRAMOWANIE = [
    "ECM/PCM", "Transmission Control Module", "Transfer Case Control Module",
    "Gear Shift Control Module", "Cruise Control Module", "Fuel Injector Control Module",
    "Glow Plug Control Module", "Throttle Actuator Control Module",
    "Alternative Fuel Control Module", "Fuel Pump Control Module",
    "Drive Motor Control Module", "Battery Energy Control Module A",
    "Battery Energy Control Module B", "Four-Wheel Drive Clutch Control Module",
    "Anti-Lock Brake System Control Module", "Vehicle Dynamics Control Module",
    "Park Brake Control Module", "Brake System Control Module",
    "Steering Effort Control Module", "Power Steering Control Module",
    "Ride Level Control Module", "Body Control Module", "Instrument Panel Control Module",
    "HVAC Control Module", "Auxiliary Heater Control Module",
    "Vehicle Immobilizer Control Module", "Vehicle Security Control Module",
    "Steering Angle Sensor Module", "Steering Column Control Module",
    "Tire Pressure Monitor Module", "Body Control Module A",
]

# U0401..U0420: the modules whose data the reporting module rejects; U0421 is left out, the
# published names of its module disagree.
BLEDNE_DANE = [
    "ECM/PCM A", "TCM", "Transfer Case Control Module", "Gear Shift Control Module",
    "Cruise Control Module", "Fuel Injector Control Module", "Glow Plug Control Module",
    "Throttle Actuator Control Module", "Alternative Fuel Control Module",
    "Fuel Pump Control Module", "Drive Motor Control Module A",
    "Battery Energy Control Module A", "Battery Energy Control Module B",
    "Four-Wheel Drive Clutch Control Module", "Anti-Lock Brake System Control Module",
    "Vehicle Dynamics Control Module", "Park Brake Control Module",
    "Brake System Control Module", "Steering Effort Control Module",
    "Power Steering Control Module",
]

# U0422..U0431.
BLEDNE_DANE_NADWOZIE = [
    "Body Control Module", "Instrument Panel Cluster Control Module", "HVAC Control Module",
    "Auxiliary Heater Control Module", "Vehicle Immobilizer Control Module",
    "Vehicle Security Control Module", "Steering Angle Sensor Module",
    "Steering Column Control Module", "Tire Pressure Monitor Module", "Body Control Module A",
]

KODY = (
    magistrala("U0001", "High Speed CAN Communication Bus", "Bus")
    + magistrala("U0010", "Medium Speed CAN Communication Bus", "Bus")
    + magistrala("U0019", "Low Speed CAN Communication Bus", "Bus")
    + magistrala("U0028", "Vehicle Communication Bus A", "Bus A")
    + magistrala("U0037", "Vehicle Communication Bus B", "Bus B")
    + magistrala("U0046", "Vehicle Communication Bus C", "Bus C")
    + magistrala("U0055", "Vehicle Communication Bus D", "Bus D")
    + magistrala("U0064", "Vehicle Communication Bus E", "Bus E")
    + kolejne("U0073", ["Control Module Communication Bus Off"]
              + [f"Control Module Communication Bus {w} Off" for w in "BCDE"])
    + utrata("U0100", NAPED)
    + utrata("U0134", ["Power Steering Control Module Rear"])
    + utrata("U0136", ["Differential Control Module Rear"])
    + utrata("U0137", ["Trailer Brake Control Module", "All Terrain Control Module",
                       "Suspension Control Module B"])
    + utrata("U0140", NADWOZIE)
    + utrata("U0239", ["Entrapment Control Module A", "Entrapment Control Module B"])
    + utrata("U0242", ["Headlamp Control Module B", "Parking Assist Control Module B",
                       "Running Board Control Module A", "Entertainment Control Module Front"])
    + utrata("U0248", ["Remote Accessory Module", "Entertainment Control Module Rear B",
                       "Impact Classification System Module", "Running Board Control Module B",
                       "Lighting Control Module Rear B", "Accessory Protocol Interface Module",
                       "Remote Start Module"])
    + utrata("U0256", ["Front Controls Interface Module A"])
    + utrata("U0258", ["Radio Transceiver"])
    + [("U0300", "Internal Control Module Software Incompatibility")]
    + oprogramowanie("U0301", OPROGRAMOWANIE)
    + oprogramowanie("U0332", ["Multi-axis Acceleration Sensor Module A"])
    + [("U0400", "Invalid Data Received")]
    + bledne_dane("U0401", BLEDNE_DANE)
    + bledne_dane("U0422", BLEDNE_DANE_NADWOZIE)
    + bledne_dane("U0439", ["All Terrain Control Module"])
    + lista("""
U3000 | Control Module
U3001 | Control Module Improper Shutdown
U3002 | Vehicle Identification Number
U3003 | Battery Voltage
""")
)
