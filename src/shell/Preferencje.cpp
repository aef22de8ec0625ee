#include "Preferencje.h"

#include "KorzenPreferencji.h"

#include <QSettings>

namespace {

void Czytaj(QSettings& u, const QString& nazwa, int& wartosc) {
    bool ok = false;
    const int v = u.value(nazwa).toInt(&ok);
    if (ok) wartosc = v;
}

std::optional<int> CzytajOpcjonalna(QSettings& u, const QString& nazwa) {
    bool ok = false;
    const int v = u.value(nazwa).toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

const std::array<QString, TPreferencje::LiczbaKolorow>& NazwyKolorow() {
    // The digits are the trace's text id, except the OBD lambda traces 19 and 20 (1462, 1464).
    static const std::array<QString, TPreferencje::LiczbaKolorow> nazwy = [] {
        const int id[TPreferencje::LiczbaKolorow] = {
            1400, 1402, 1404, 1406, 1408, 1410, 1412, 1418, 1420, 1422, 1430, 1432,
            1450, 1452, 1454, 1456, 1458, 1460, 1462, 1464, 1501, 1601, 1502, 1602,
            1503, 1603, 1504, 1604, 1505, 1605, 1506, 1606, 1507, 1607, 1508, 1608};
        std::array<QString, TPreferencje::LiczbaKolorow> n;
        for (int i = 0; i < TPreferencje::LiczbaKolorow; ++i)
            n[std::size_t(i)] = QStringLiteral("Color%1").arg(id[i]);
        return n;
    }();
    return nazwy;
}

TPreferencje CzytajPreferencje(QSettings& korzen) {
    TPreferencje p;
    p.Zrodlo = GrupaDoOdczytu(korzen);
    if (p.Zrodlo.isEmpty()) return p;

    korzen.beginGroup(p.Zrodlo);
    Czytaj(korzen, QStringLiteral("Comm"), p.Comm);
    Czytaj(korzen, QStringLiteral("ElmComm"), p.ElmComm);
    Czytaj(korzen, QStringLiteral("Comp"), p.Comp);
    Czytaj(korzen, QStringLiteral("Lang"), p.Lang);
    Czytaj(korzen, QStringLiteral("View"), p.View);
    int lewo = p.Okno.left(), gora = p.Okno.top(), szer = p.Okno.width(), wys = p.Okno.height();
    Czytaj(korzen, QStringLiteral("WLeft"), lewo);
    Czytaj(korzen, QStringLiteral("WTop"), gora);
    Czytaj(korzen, QStringLiteral("WWidth"), szer);
    Czytaj(korzen, QStringLiteral("WHeight"), wys);
    p.Okno = QRect(lewo, gora, szer, wys);
    p.OknoZapisane = korzen.contains(QStringLiteral("WWidth"));
    p.WState = CzytajOpcjonalna(korzen, QStringLiteral("WState"));
    for (std::size_t i = 0; i < p.Kolory.size(); ++i)
        if (const auto k = CzytajOpcjonalna(korzen, NazwyKolorow()[i]))
            p.Kolory[i] = KolorOdczytany(std::uint32_t(*k));
    korzen.endGroup();
    return p;
}

void ZapiszPreferencje(QSettings& korzen, const TPreferencje& p, bool zGranicami) {
    korzen.beginGroup(GrupaPreferencji);
    korzen.setValue(QStringLiteral("Comm"), p.Comm);
    korzen.setValue(QStringLiteral("ElmComm"), p.ElmComm);
    korzen.setValue(QStringLiteral("Comp"), p.Comp);
    korzen.setValue(QStringLiteral("Lang"), p.Lang);
    korzen.setValue(QStringLiteral("View"), p.View);
    if (p.WState) korzen.setValue(QStringLiteral("WState"), *p.WState);
    if (zGranicami) {
        korzen.setValue(QStringLiteral("WTop"), p.Okno.top());
        korzen.setValue(QStringLiteral("WLeft"), p.Okno.left());
        korzen.setValue(QStringLiteral("WWidth"), p.Okno.width());
        korzen.setValue(QStringLiteral("WHeight"), p.Okno.height());
    }
    for (std::size_t i = 0; i < p.Kolory.size(); ++i)
        if (p.Kolory[i]) korzen.setValue(NazwyKolorow()[i], int(KolorZapisany(*p.Kolory[i])));
    korzen.endGroup();
    korzen.sync();
}
