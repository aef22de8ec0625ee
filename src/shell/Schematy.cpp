#include "Schematy.h"

namespace {

QColor Rgb(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

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

void StylSzary(TPaleta& p) {
    p.Tlo = Rgb(0xD2D2D2);
    p.TloPodzialu = Rgb(0xBEBEBE);
    p.TloEtykiet = Rgb(0xE6E6E6);
    p.KolorTekstu = Rgb(0x000000);
    p.KolorBanera = Rgb(0x0000B4);
    p.KolorWybrany = Rgb(0x0000A0);
    p.TloEdycji = Rgb(0xFFFFFF);
    p.TloWyboru = Rgb(0x3264BE);
    p.TekstWyboru = Rgb(0xFFFFFF);
    p.TloNieaktywne = Rgb(0xEBEBEB);
    p.TekstNieaktywny = Rgb(0xAAAAAA);
    p.KolorDialogu = Rgb(0x000000);
    p.LiniaEdytora = Rgb(0x000000);
    p.TekstEdytora = Rgb(0x000000);
    p.CiemnaKrawedz = Rozjasnij(p.Tlo, -50);
    p.JasnaKrawedz = Rozjasnij(p.Tlo, 30);
}

void StylCzarny(TPaleta& p) {
    p.Tlo = Rgb(0x000000);
    p.TloPodzialu = Rgb(0x808080);
    p.TloEtykiet = Rgb(0x000000);
    p.KolorTekstu = Rgb(0xC0C0C0);
    p.KolorBanera = Rgb(0x249AFB);
    p.KolorWybrany = Rgb(0x000080);
    p.TloEdycji = Rgb(0x323232);
    p.TloWyboru = Rgb(0x800000);
    p.TekstWyboru = Rgb(0x00D200);
    p.TloNieaktywne = Rgb(0x282828);
    p.TekstNieaktywny = Rgb(0x3C3C3C);
    p.KolorDialogu = Rgb(0x969696);
    p.LiniaEdytora = Rgb(0x505050);
    p.TekstEdytora = Rgb(0x00BE00);
    p.CiemnaKrawedz = Rozjasnij(p.Tlo, 30);
    p.JasnaKrawedz = Rozjasnij(p.Tlo, 50);
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
    case 0: StylWindows(p, systemowa); break;
    case 1: StylSzary(p); break;
    default: StylCzarny(p); break;
    }
    Wykresy(p, n % 2 == 1);
    return p;
}
