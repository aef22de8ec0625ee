#pragma once

class TSterownik;

// Demonstration maps of the developer menu.
// A naturally aspirated engine: all six maps filled, their writes posted.
void DemoWolnossace(TSterownik& s);
// A turbocharged engine's petrol and gas maps, left in memory only.
void DemoTurbo(TSterownik& s);
