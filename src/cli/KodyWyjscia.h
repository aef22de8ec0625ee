#pragma once

// How selvar-cli ends, for the scripts that call it.
namespace KodyWyjscia {
inline constexpr int Sukces = 0;
inline constexpr int Uzycie = 1;      // bad command line
inline constexpr int Rozne = 1;       // diff: the files differ
inline constexpr int Lacze = 2;       // the link or the device failed
inline constexpr int Plik = 3;        // a file that cannot be read, written or used
inline constexpr int Przerwano = 130; // stopped by Ctrl-C (128 + SIGINT), as shells count it
} // namespace KodyWyjscia
