#include "TScope.h"

#include "Paleta.h"
#include "TSterownik.h"
#include "Wypelnienie.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cstring>

TScope::TScope(TSterownik& sterownik, QWidget* rodzic)
    : QWidget(rodzic), s(sterownik), wypelnienie(new TWypelnienie(this)),
      probki(std::size_t(MaksProbek) * RozmiarProbki) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TScope::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
}

void TScope::Przerysuj() {
    update();
}

void TScope::DodajProbke(const unsigned char* ramka) {
    if (Tryb != 1 && Tryb != 2) return;
    std::memcpy(probki.data() + std::size_t(IleProbek) * RozmiarProbki, ramka, RozmiarProbki);
    s.DopiszOscyloskop(probki.data(), IleProbek);
    // A full hour starts over at the beginning of the buffer.
    if (++IleProbek >= MaksProbek) IleProbek = 0;
    if (isVisible()) update();
}

void TScope::Komenda(unsigned komenda) {
    switch (komenda) {
    case 1:
    case 2:
    case 3:
        Tryb = int(komenda);
        break;
    case 4:
        if (Tryb == 5 || s.PlikOsc)
            s.ZamnkijOscyloskop();
        else
            s.ZapiszOscyloskop(probki.data(), IleProbek);
        break;
    case 5: {
        s.ZamnkijOscyloskop();
        const int n = s.CzytajOscyloskop(probki.data());
        if (n > 0) IleProbek = n;
        Tryb = 5;
        break;
    }
    case 6:
        std::fill(probki.begin(), probki.end(), 0);
        IleProbek = 0;
        break;
    case 10:
    case 11:
    case 12:
        Uklad = int(komenda) - 9;
        break;
    default:
        break;
    }
    update();
}

void TScope::Klawisz(int, Qt::KeyboardModifiers) {}

QString TScope::CzasZapisu() const {
    return QLocale().toString(IleProbek * 0.1, 'f', 1) + QStringLiteral(" [s]");
}

void TScope::EksportCsv() {}

void TScope::UstawPalete(const TPaleta* p) {
    paleta = p;
    update();
}

void TScope::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.fillRect(rect(), paleta ? paleta->TloWykresu : palette().window().color());
}
