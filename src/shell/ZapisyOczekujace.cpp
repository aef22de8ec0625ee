#include "ZapisyOczekujace.h"

#include "Bloki.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <bit>

TZapisyOczekujace::TZapisyOczekujace(const TSterownik& ster, const TTeksty& tek, QWidget* rodzic)
    : QLabel(rodzic), s(ster), t(tek) {
    setObjectName(QStringLiteral("PanelZapisy"));
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

int TZapisyOczekujace::Aktualizuj() {
    const bool teraz = s.PortConnected() && s.BezOdpowiedzi <= 10;
    if (!teraz) {
        Pokaz(-1);
        const int utracone = polaczony ? oczekujace : 0;
        polaczony = false;
        oczekujace = 0;
        return utracone;
    }
    polaczony = true;
    oczekujace = s.DoZapisu | s.BezPotwierdzenia;
    Pokaz(std::popcount(unsigned(oczekujace)));
    return 0;
}

// Called with every reply: the label is touched only when what it says changes.
void TZapisyOczekujace::Pokaz(int ile) {
    if (ile == pokazane) return;
    pokazane = ile;
    setText(ile < 0 ? QString() : ile ? QString::number(ile) : QStringLiteral("\u2713"));
    setStyleSheet(ile > 0 ? QStringLiteral("color: #C00000; font-weight: bold")
                          : QStringLiteral("color: #008000; font-weight: bold"));
    setToolTip(ile == 1 ? t.PodajTekst(2124) : ile > 1 ? t.PodajTekst(2112).arg(ile) : QString());
}

QStringList NazwyBlokow(int maska, const TTeksty& t) {
    struct TNazwa {
        int bity;
        int tekst;
    };
    // Sub-tab captions where the installer meets the block; 2113.. for the rest.
    static const TNazwa Nazwy[] = {
        {Bloki::Nastawy, 1200},
        {Bloki::Mnoznik1 | Bloki::Mnoznik2, 2113},
        {Bloki::KorOdObr1 | Bloki::KorOdObr2, 1211},
        {Bloki::Historia, 2114},
        {Bloki::KorOdTempRed, 1212},
        {Bloki::KorOdTempGazu, 1213},
        {Bloki::KorOdCis, 1214},
        {Bloki::OpoznienieWtr, 1216},
        {Bloki::Wzbogacenie, 1218},
        {Bloki::MapaEcuBen | Bloki::MapaEcuGaz, 2116},
        {Bloki::MapaObdBen1 | Bloki::MapaObdGaz1 | Bloki::MapaObdBen2 | Bloki::MapaObdGaz2, 2115},
        {Bloki::NastawyObd, 1229},
    };
    QStringList nazwy;
    for (const TNazwa& n : Nazwy)
        if (maska & n.bity) nazwy << t.PodajTekst(n.tekst);
    return nazwy;
}
