#include "FormatLiczb.h"

#include <QLocale>

#include <cmath>

namespace {

QLocale LokalnyBezGrup() {
    QLocale lokalny;
    lokalny.setNumberOptions(QLocale::OmitGroupSeparator);
    return lokalny;
}

} // namespace

QString LiczbaStala(double x, int miejsca) {
    const double skala = std::pow(10.0, miejsca);
    const double zaokraglone = std::round(x * skala) / skala;
    return LokalnyBezGrup().toString(zaokraglone == 0.0 ? 0.0 : zaokraglone, 'f', miejsca);
}

QString LiczbaOgolna(double x) {
    return LokalnyBezGrup().toString(x, 'g', 15);
}
