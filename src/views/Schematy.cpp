#include "Schematy.h"

namespace {

QColor Rgb(unsigned rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

void StylWindows(TPaleta& p, const QPalette& s) {
    p.Tlo = s.color(QPalette::Button);
    p.TloPodzialu = Rozjasnij(p.Tlo, -20);
    p.TloEtykiet = Rozjasnij(p.Tlo, 10);
    p.KolorTekstu = s.color(QPalette::ButtonText);
    p.KolorBanera = Rgb(0x0000B4);
    p.KolorWybrany = Rgb(0x0000A0);
    p.TloEdycji = s.color(QPalette::Base);
    p.TloWyboru = s.color(QPalette::Highlight);
    p.TekstWyboru = s.color(QPalette::HighlightedText);
    p.TloNieaktywne = Rgb(0xEBEBEB);
    p.TekstNieaktywny = Rgb(0xAAAAAA);
    p.KolorDialogu = s.color(QPalette::ButtonText);
    p.LiniaEdytora = s.color(QPalette::Shadow);
    p.TekstEdytora = s.color(QPalette::Text);
    p.CiemnaKrawedz = Rozjasnij(p.Tlo, -50);
    p.JasnaKrawedz = Rozjasnij(p.Tlo, 30);
}

// The fixed colours of the Grey and Black styles, in the order of StylStaly.
struct TStylStaly {
    unsigned tlo, podzial, etykiety, tekst, baner, wybrany, edycja, tloWyboru, tekstWyboru,
        nieaktywne, tekstNieaktywny, dialog, liniaEdytora, tekstEdytora;
    int ciemna, jasna; // edges: Rozjasnij of the background by these
};
constexpr TStylStaly Szary{0xD2D2D2, 0xBEBEBE, 0xE6E6E6, 0x000000, 0x0000B4, 0x0000A0,
                           0xFFFFFF, 0x3264BE, 0xFFFFFF, 0xEBEBEB, 0xAAAAAA, 0x000000,
                           0x000000, 0x000000, -50,      30};
constexpr TStylStaly Czarny{0x000000, 0x808080, 0x000000, 0xC0C0C0, 0x249AFB, 0x000080,
                            0x323232, 0x800000, 0x00D200, 0x282828, 0x3C3C3C, 0x969696,
                            0x505050, 0x00BE00, 30,       50};

void StylStaly(TPaleta& p, const TStylStaly& s) {
    p.Tlo = Rgb(s.tlo);
    p.TloPodzialu = Rgb(s.podzial);
    p.TloEtykiet = Rgb(s.etykiety);
    p.KolorTekstu = Rgb(s.tekst);
    p.KolorBanera = Rgb(s.baner);
    p.KolorWybrany = Rgb(s.wybrany);
    p.TloEdycji = Rgb(s.edycja);
    p.TloWyboru = Rgb(s.tloWyboru);
    p.TekstWyboru = Rgb(s.tekstWyboru);
    p.TloNieaktywne = Rgb(s.nieaktywne);
    p.TekstNieaktywny = Rgb(s.tekstNieaktywny);
    p.KolorDialogu = Rgb(s.dialog);
    p.LiniaEdytora = Rgb(s.liniaEdytora);
    p.TekstEdytora = Rgb(s.tekstEdytora);
    p.CiemnaKrawedz = Rozjasnij(p.Tlo, s.ciemna);
    p.JasnaKrawedz = Rozjasnij(p.Tlo, s.jasna);
}

void Wykresy(TPaleta& p, bool czarne) {
    p.TloWartosci = czarne ? p.TloEtykiet : p.TloEdycji;
    p.TloWykresu = Rgb(czarne ? 0x323232 : 0xF0F0F0);
    p.KolorRamki = Rgb(0x808080);
    p.KolorSiatki = Rgb(czarne ? 0x808080 : 0xC0C0C0);
    p.KolorKursora = Rgb(czarne ? 0xFFFFFF : 0xFFFF00);
    p.KolorZnacznika = Rgb(czarne ? 0xD101FE : 0x800080);
    p.KolorWypelnienia = czarne ? p.Tlo : Rozjasnij(p.Tlo, 30);
}

} // namespace

TPaleta PaletaSchematu(int schemat, const QPalette& systemowa) {
    const int n = Schematy::Ogranicz(schemat);
    TPaleta p;
    p.KolorOstrzezenia = Rgb(0xFAC8C8);
    switch (n / 2) {
    case 0:
        StylWindows(p, systemowa);
        break;
    case 1:
        StylStaly(p, Szary);
        break;
    default:
        StylStaly(p, Czarny);
        break;
    }
    Wykresy(p, n % 2 == 1);
    return p;
}
