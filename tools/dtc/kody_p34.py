"""P3400..P3499: cylinder deactivation, eight codes a cylinder counted in decimal."""
from slownik import seria

ZAWORY = [
    ("Cylinder {n} Deactivation/Intake Valve Control Circuit/Open",
     "Cylinder {n} - wyłączanie cylindra/sterowanie zaworem dolotowym - usterka obwodu/przerwa"),
    ("Cylinder {n} Deactivation/Intake Valve Control Circuit Performance",
     "Cylinder {n} - wyłączanie cylindra/sterowanie zaworem dolotowym - nieprawidłowe działanie obwodu"),
    ("Cylinder {n} Deactivation/Intake Valve Control Circuit Low",
     "Cylinder {n} - wyłączanie cylindra/sterowanie zaworem dolotowym - niski poziom sygnału w obwodzie"),
    ("Cylinder {n} Deactivation/Intake Valve Control Circuit High",
     "Cylinder {n} - wyłączanie cylindra/sterowanie zaworem dolotowym - wysoki poziom sygnału w obwodzie"),
    ("Cylinder {n} Exhaust Valve Control Circuit/Open",
     "Cylinder {n} - sterowanie zaworem wylotowym - usterka obwodu/przerwa"),
    ("Cylinder {n} Exhaust Valve Control Circuit Performance",
     "Cylinder {n} - sterowanie zaworem wylotowym - nieprawidłowe działanie obwodu"),
    ("Cylinder {n} Exhaust Valve Control Circuit Low",
     "Cylinder {n} - sterowanie zaworem wylotowym - niski poziom sygnału w obwodzie"),
    ("Cylinder {n} Exhaust Valve Control Circuit High",
     "Cylinder {n} - sterowanie zaworem wylotowym - wysoki poziom sygnału w obwodzie"),
]

KODY = (
    [("P3400", "Cylinder Deactivation System Bank 1",
      "Układ wyłączania cylindrów (rząd 1) - usterka")]
    + seria("P3401", ZAWORY, range(1, 13))
    + [("P3497", "Cylinder Deactivation System Bank 2",
        "Układ wyłączania cylindrów (rząd 2) - usterka")]
)
