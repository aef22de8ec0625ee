#pragma once

// A multiplier curve of 256 positions from its 26 break points: straight lines between
// set points (position 0 marks an empty one, except for the first), values held within
// dolna..gorna, the last point's value carried to the end.
void InterpolujMnoznik(unsigned char* krzywa, const unsigned char* punkty, int dolna, int gorna);

inline constexpr int PunktowMnoznika = 26;
inline constexpr int PunktyMnoznika1 = 190; // settings holding bank 1's break points
inline constexpr int PunktyMnoznika2 = 164;
