// Auto-calibration at idle: one step per live frame while it runs, driving the controller
// only through the ordinary request flags (fuel change, injector mask, settings write).

#include "TSterownik.h"

#include "Bloki.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int TrybBenzyna = 0;
constexpr int TrybGaz = 6;
constexpr int Koniec = 254;
constexpr int Przerwanie = 255;
// The first i + 1 injectors on gas.
constexpr unsigned char MaskiCylindrow[] = {1, 3, 7, 15, 31, 63, 127, 255};

unsigned char Bajt(int v) {
    return static_cast<unsigned char>(std::clamp(v, 0, 255));
}

} // namespace

int TSterownik::StartStopKalibracji() {
    Kalibracja = {};
    if (FlagiParam & 1) {
        FlagiParam &= ~1;
        DoZapisu |= Bloki::Nastawy;
        Zdarzenie(2, 5, 0, 0);
        return 0;
    }
    FlagiParam |= 1;
    Zdarzenie(2, 1, 0, 0);
    return 1;
}

int TSterownik::ObliczKorekteOdniesienia() {
    int p = Nastawy[86];
    if (Nastawy[10] == 0) p += 100;
    if (Nastawy[10] == 1) p += 200;
    const float kp = float(CzytajKorOdCis(p)), kt = float(CzytajKorOdTempGazu(Nastawy[85]));
    const float c = (kp / 128.0f) * (kt / 128.0f);
    const float r = c > 0 ? 128.0f / c : 161.0f;
    Nastawy[94] = static_cast<unsigned char>(std::min(r, 255.0f));
    return Nastawy[94];
}

int TSterownik::SredniCzasBenzyny() {
    int suma = 0, ile = 0;
    for (int k = 0; k < LiczbaWtryskiwaczy; ++k) {
        const int czas = RamkaRx[60 + 4 * k] | (RamkaRx[61 + 4 * k] << 8);
        if (czas == 0) continue;
        suma += czas;
        ++ile;
    }
    if (ile == 0) return 0;
    // 0.004 ms units to 0.05 ms, rounded.
    const int srednia = suma / ile;
    int b = srednia * 2 / 25;
    if (srednia - (b * 25) / 2 > 6) ++b;
    TStanKalibracji& k = Kalibracja;
    if (k.czasBenzyny == 0 && b != 0) k.czasBenzyny = 16 * b;
    const int a = std::min(k.czasBenzyny / 16, 255);
    k.czasBenzyny = k.czasBenzyny - k.czasBenzyny / 16 + b;
    return a;
}

int TSterownik::FiltrCisnienia() {
    int& f = Kalibracja.cisnienieFiltr;
    const int g = RamkaRx[48];
    if (f == 0) f = 16 * g;
    const int p = f / 16;
    f = f - f / 16 + g;
    return p;
}

void TSterownik::EtapyKalibracji() {
    // A reply to a poll sent before the end would finish or abort a second time.
    if (!(FlagiParam & 1)) return;
    TStanKalibracji& k = Kalibracja;
    const int obroty = RamkaRx[17] | (RamkaRx[18] << 8);
    k.bezObrotow = obroty == 0 ? k.bezObrotow + 1 : 0;
    if (k.bezObrotow > 10) k.etap = Przerwanie;
    const int a = SredniCzasBenzyny();
    k.zlyCzas = a == 0 || a > 200 ? k.zlyCzas + 1 : 0;
    if (k.zlyCzas > 50) k.etap = Przerwanie;
    const int p = FiltrCisnienia();
    if (KrokKalibracji(a, p)) Zdarzenie(2, 2, 0, k.postep);
}

void TSterownik::ZadajMaske(unsigned char maska) {
    MaskaWtryskiwaczy = maska;
    ZmianaWtryskiwaczy = 1;
}

// Stage numbers: 0 and 1 start; then per pass (first pass 16.. per cylinder or 80.. all at
// once, second pass 144..) a petrol measurement (x0..x2), the switch to gas (x+16..),
// the gas measurement (x+32) and the way back to petrol (x+48, x+49); 254 done, 255 aborted.
bool TSterownik::KrokKalibracji(int a, int p) {
    TStanKalibracji& k = Kalibracja;
    switch (k.etap) {
    case 0:
        StartKalibracji();
        return true;
    case 1:
        if (RamkaRx[10] != TrybBenzyna) {
            if (++k.krok >= 256) k.etap = 0;
        } else {
            k.krok = 0;
            k.etap = (Nastawy[82] & 1) ? 16 : 80;
        }
        return true;
    case Koniec:
    case Przerwanie:
        FlagiParam &= ~1;
        // What the run measured stays on show: the controller gets it too.
        DoZapisu |= Bloki::Nastawy;
        Zdarzenie(2, k.etap == Koniec ? 3 : 4, 0, 0);
        return true;
    default:
        break;
    }
    switch ((k.etap >> 4) & 3) {
    case 1:
        return PomiarNaBenzynie(a);
    case 2:
        PrzejscieNaGaz();
        return true;
    case 3:
        return PomiarNaGazie(a, p);
    default:
        PowrotNaBenzyne();
        return true;
    }
}

void TSterownik::StartKalibracji() {
    TStanKalibracji& k = Kalibracja;
    if (RamkaRx[10] != TrybBenzyna) ZmianaPaliwaAuto = 1;
    Nastawy[89] = 60;
    Nastawy[90] = Nastawy[92] = 128;
    Nastawy[94] = 181;
    DoZapisu |= Bloki::Nastawy;
    k.krok = k.postep = 0;
    k.etap = 1;
}

bool TSterownik::PomiarNaBenzynie(int a) {
    TStanKalibracji& k = Kalibracja;
    const bool naBenzynie = RamkaRx[10] == TrybBenzyna;
    switch (k.etap & 0x0F) {
    case 0: // idle on petrol for a moment, then the measurement starts
        k.postep = k.etap == 144 ? 512 : 0;
        if (++k.krok >= 11) {
            if (!naBenzynie) ZmianaPaliwaAuto = 1;
            k.zapamietanyCzas = a;
            k.czasBenzyny = 0;
            k.krok = 0;
            ++k.etap;
        }
        return true;
    case 1:
        if (!naBenzynie) {
            if (++k.krok >= 256) --k.etap;
        } else {
            k.krok = 0;
            ++k.etap;
        }
        return true;
    default: // the petrol time the ECU asks for on petrol
        if (!naBenzynie) {
            k.etap -= 2;
            return false;
        }
        Nastawy[83] = Bajt(a);
        k.krok += std::abs(a - k.zapamietanyCzas) < 10 && a < 120 ? 5 : 1;
        k.postep = k.krok + (k.etap == 146 ? 512 : 0);
        if (k.krok >= 256) {
            k.etap = (k.etap & 0xF0) + 16;
            k.krok = k.cylinder = 0;
            DoZapisu |= Bloki::Nastawy; // the petrol time measured, setting 83
        }
        return true;
    }
}

void TSterownik::PrzejscieNaGaz() {
    TStanKalibracji& k = Kalibracja;
    switch (k.etap & 0x0F) {
    case 0:
        if (k.etap == 32) {
            ZadajMaske(MaskiCylindrow[k.cylinder]);
        } else {
            // The all-at-once procedure and the second pass: all but those kept on petrol.
            const auto wszystkie = static_cast<unsigned char>(~Nastawy[31]);
            if (wszystkie != MaskaWtryskiwaczy) ZadajMaske(wszystkie);
        }
        k.krok = 0;
        ++k.etap;
        break;
    case 1:
        if (++k.krok >= 11) {
            ZmianaPaliwaAuto = 1;
            k.krok = 0;
            ++k.etap;
        }
        break;
    default:
        if (RamkaRx[10] == TrybGaz) {
            k.czasBenzyny = 0;
            k.krok = 0;
            k.etap = (k.etap & 0xF0) + 16;
        }
    }
}

void TSterownik::PowrotNaBenzyne() {
    TStanKalibracji& k = Kalibracja;
    if ((k.etap & 0x0F) == 0) {
        // Per cylinder: one more injector on gas until all are.
        if (k.etap == 64 && ++k.cylinder < LiczbaWtryskiwaczy) {
            ZadajMaske(MaskiCylindrow[std::min(k.cylinder, 7)]);
            k.etap = 48;
            return;
        }
        if (RamkaRx[10] != TrybBenzyna) ZmianaPaliwaAuto = 1;
        ++k.etap;
    } else if (RamkaRx[10] == TrybBenzyna) {
        k.krok = 0;
        k.etap = k.etap == 193 ? Koniec : 144; // the second pass, on all injectors
    }
}

bool TSterownik::PomiarNaGazie(int a, int p) {
    TStanKalibracji& k = Kalibracja;
    // The recorded conditions are written whenever they change, not only with setting 94:
    // the editor shows them, so the controller must hold them too.
    const std::array<unsigned char, 5> przed{Nastawy[85], Nastawy[86], Nastawy[87], Nastawy[88],
                                             Nastawy[94]};
    Nastawy[85] = RamkaRx[42];
    Nastawy[86] = Bajt(p);
    Nastawy[87] = RamkaRx[40];
    Nastawy[88] = RamkaRx[44];
    ObliczKorekteOdniesienia();
    const std::array<unsigned char, 5> po{Nastawy[85], Nastawy[86], Nastawy[87], Nastawy[88],
                                          Nastawy[94]};
    if (po != przed) DoZapisu |= Bloki::Nastawy;

    // Petrol time the ECU asked for on petrol minus what it asks for now, on gas.
    const int t = Nastawy[83] - a;
    const auto Ustaw = [this](int v) {
        Nastawy[90] = Nastawy[92] = Bajt(v);
        DoZapisu |= Bloki::Nastawy;
    };
    if (t > 20 || t < -20) {
        Ustaw(Nastawy[90] - t);
        k.etap -= 32; // too far to converge by halving: measure petrol again
        return false;
    }
    int v = t;
    if ((k.krok & 0xF) == 0) {
        if (t > 4 || t < -4) {
            Ustaw(Nastawy[90] - t / 2);
            v = Nastawy[90];
        } else if (t > 0 && Nastawy[90] > 0) {
            Ustaw(Nastawy[90] - 1);
        } else if (t < 0 && Nastawy[90] < 255) {
            Ustaw(Nastawy[90] + 1);
        }
    }
    k.krok += v >= -1 && v <= 1 ? 5 : 1;
    if (k.cylinder >= 2) ++k.krok;
    const int n = LiczbaWtryskiwaczy;
    if (k.etap == 48) k.postep = (k.krok / 2) / n + k.cylinder * 256 / n + 256;
    if (k.etap == 112) k.postep = k.krok / 2 + 256;
    if (k.etap == 176) k.postep = k.krok / 2 + 768;
    if (k.krok > 511) {
        k.etap = (k.etap & 0xF0) + 16;
        k.krok = 0;
    }
    return true;
}
