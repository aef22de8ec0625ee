#include "Schematy.h"

#include "Kontrast.h"

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
    // The fixed light grey of inactive boxes would glare on a dark desktop; there they are a
    // shade darker than the desktop's buttons instead.
    const bool ciemnyPulpit = Kontrast::Ciemny(p.Tlo);
    p.TloNieaktywne = ciemnyPulpit ? Rozjasnij(p.Tlo, -12) : Rgb(0xEBEBEB);
    p.TekstNieaktywny = Rgb(0xAAAAAA);
    p.KolorDialogu = s.color(QPalette::ButtonText);
    p.LiniaEdytora = s.color(QPalette::Shadow);
    p.TekstEdytora = s.color(QPalette::Text);
    p.CiemnaKrawedz = Rozjasnij(p.Tlo, -50);
    p.JasnaKrawedz = Rozjasnij(p.Tlo, 30);
    p.TloPrzycisku = s.color(QPalette::Button);
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
    // The toolkit's buttons stand out from the background as the editor's light edge does.
    p.TloPrzycisku = p.JasnaKrawedz;
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

// Every pair that misses the contrast is mended on the side its row names, as little as
// reaches it; the desktop's and the fixed colours stay wherever they already read well.
void Czytelne(TPaleta& p) {
    // A text colour shared by several backgrounds may be moved by one and then another; the
    // second pass sees them all settled.
    for (int przebieg = 0; przebieg < 2; ++przebieg)
        for (const TParaKolorow& para : Schematy::Pary()) {
            QColor& tekst = p.*para.tekst;
            QColor& tlo = p.*para.tlo;
            if (para.zmienTlo)
                tlo = Kontrast::Czytelny(tlo, tekst);
            else
                tekst = Kontrast::Czytelny(tekst, tlo);
        }
}

} // namespace

const std::vector<TParaKolorow>& Schematy::Pary() {
    static const std::vector<TParaKolorow> pary = {
        {"window text", &TPaleta::KolorTekstu, &TPaleta::Tlo, false},
        {"live grid labels", &TPaleta::KolorTekstu, &TPaleta::TloEtykiet, false},
        {"text panels", &TPaleta::KolorTekstu, &TPaleta::TloEdycji, false},
        {"buttons", &TPaleta::KolorTekstu, &TPaleta::TloPrzycisku, false},
        {"selected tab", &TPaleta::KolorWybrany, &TPaleta::TloPrzycisku, false},
        {"banners", &TPaleta::KolorBanera, &TPaleta::Tlo, false},
        {"live values", &TPaleta::KolorBanera, &TPaleta::TloWartosci, false},
        {"selected cell", &TPaleta::TekstWyboru, &TPaleta::TloWyboru, false},
        {"inactive cell", &TPaleta::TekstNieaktywny, &TPaleta::TloNieaktywne, false},
        {"inactive button", &TPaleta::TekstNieaktywny, &TPaleta::TloPrzycisku, false},
        {"dialog text", &TPaleta::KolorDialogu, &TPaleta::Tlo, false},
        {"editor values", &TPaleta::TekstEdytora, &TPaleta::TloEdycji, false},
        // The value text also reads on dark boxes, so the warning fill gives way.
        {"warning box", &TPaleta::TekstEdytora, &TPaleta::KolorOstrzezenia, true},
        {"editor buttons", &TPaleta::KolorDialogu, &TPaleta::KolorWypelnienia, false},
        {"corrections button", &TPaleta::KolorBenzyny, &TPaleta::KolorWypelnienia, false},
        {"switching to gas title", &TPaleta::KolorGazu, &TPaleta::Tlo, false},
        {"switching to petrol title", &TPaleta::KolorBenzyny, &TPaleta::Tlo, false},
    };
    return pary;
}

TPaleta PaletaSchematu(int schemat, const QPalette& systemowa) {
    const int n = Schematy::Ogranicz(schemat);
    TPaleta p;
    p.KolorOstrzezenia = Rgb(0xFAC8C8);
    p.KolorGazu = Rgb(0x00A000);
    p.KolorBenzyny = Rgb(0xFF0000);
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
    Czytelne(p);
    return p;
}

QPalette PaletaAplikacji(const TPaleta& p) {
    QPalette a;
    const bool ciemny = Kontrast::Ciemny(p.Tlo);
    const QColor& przycisk = p.TloPrzycisku;
    for (auto grupa : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool wylaczona = grupa == QPalette::Disabled;
        const QColor& tekst = wylaczona ? p.TekstNieaktywny : p.KolorTekstu;
        a.setColor(grupa, QPalette::Window, p.Tlo);
        a.setColor(grupa, QPalette::WindowText, tekst);
        a.setColor(grupa, QPalette::Base, wylaczona ? p.TloNieaktywne : p.TloEdycji);
        a.setColor(grupa, QPalette::AlternateBase, Rozjasnij(p.TloEdycji, ciemny ? 12 : -12));
        a.setColor(grupa, QPalette::Text, tekst);
        a.setColor(grupa, QPalette::PlaceholderText, p.TekstNieaktywny);
        a.setColor(grupa, QPalette::Button, przycisk);
        a.setColor(grupa, QPalette::ButtonText, tekst);
        a.setColor(grupa, QPalette::BrightText, ciemny ? Qt::white : Qt::black);
        a.setColor(grupa, QPalette::Light, Rozjasnij(przycisk, 40));
        a.setColor(grupa, QPalette::Midlight, Rozjasnij(przycisk, 20));
        a.setColor(grupa, QPalette::Mid, Rozjasnij(przycisk, -40));
        a.setColor(grupa, QPalette::Dark, Rozjasnij(przycisk, -80));
        a.setColor(grupa, QPalette::Shadow, Rozjasnij(przycisk, -120));
        a.setColor(grupa, QPalette::Highlight, p.TloWyboru);
        a.setColor(grupa, QPalette::HighlightedText, p.TekstWyboru);
        a.setColor(grupa, QPalette::ToolTipBase, p.TloEdycji);
        a.setColor(grupa, QPalette::ToolTipText, p.KolorTekstu);
        a.setColor(grupa, QPalette::Link, p.KolorBanera);
        a.setColor(grupa, QPalette::LinkVisited, p.KolorBanera);
    }
    return a;
}
