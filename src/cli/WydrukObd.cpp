#include "WydrukObd.h"

#include "ElmTekst.h"
#include "OpisyKodow.h"
#include "SesjaObd.h"
#include "TekstyObd.h"
#include "Wydruk.h"

#include <QJsonArray>
#include <QLocale>

namespace {

constexpr int KolumnaWartosci = 4; // of the PID grid in its whole-catalogue view

QString Adres(int ecu) {
    return QString::fromLatin1(Hex(static_cast<std::uint32_t>(ecu), 2));
}

QString Pid2(int numer) {
    return QString::fromLatin1(Hex(static_cast<std::uint32_t>(numer), 2));
}

QString Gotowosc(const TObd& obd, int naglowek, const TGotowosc& g) {
    const QString zaplon =
        obd.Tekst(g.zaplonSamoczynny ? TekstyObd::ZaplonSamoczynny : TekstyObd::ZaplonIskrowy);
    QString tekst =
        QStringLiteral("%1 (%2): %3\n")
            .arg(obd.Tekst(naglowek), zaplon,
                 obd.Tekst(TekstyObd::GotoweMonitory).arg(g.Gotowe()).arg(g.Obslugiwane()));
    QList<QPair<QString, QString>> wiersze;
    for (const TMonitor& m : g.monitory)
        wiersze.append({QStringLiteral("  ") + obd.Tekst(m.tekst), obd.Tekst(TekstStanu(m.stan))});
    return tekst + Etykietowane(wiersze);
}

QString Informacje(const TObd& obd) {
    if (obd.Informacje.isEmpty()) return {};
    QString tekst = obd.Tekst(TekstyObd::InformacjePojazdu) + QStringLiteral(":\n");
    for (const TInformacjeEcu& e : obd.Informacje) {
        QList<QPair<QString, QString>> wiersze;
        const auto dodaj = [&](int etykieta, const QString& wartosc) {
            if (!wartosc.isEmpty())
                wiersze.append({QStringLiteral("    ") + obd.Tekst(etykieta), wartosc});
        };
        dodaj(TekstyObd::Vin, e.vin);
        dodaj(TekstyObd::NazwaEcu, e.nazwa);
        for (const QString& k : e.kalibracje)
            dodaj(TekstyObd::Kalibracja, k);
        for (const QString& c : e.cvn)
            dodaj(TekstyObd::Cvn, c);
        tekst += QStringLiteral("  ECU %1h\n").arg(Adres(e.ecu)) + Etykietowane(wiersze);
    }
    return tekst;
}

// A decoded value: the number alone when the text is one in the locale it was written in.
QJsonObject Wartosc(const TObd& obd, int numer, const QString& tekst, const QString& jednostka) {
    bool liczba = false;
    const double x = QLocale().toDouble(tekst, &liczba);
    return {{"pid", Pid2(numer)},
            {"name", obd.Pidy[static_cast<std::size_t>(numer)].Nazwa},
            {"text", tekst},
            {"value", liczba ? QJsonValue(x) : QJsonValue()},
            {"unit", jednostka}};
}

QJsonArray PidyJson(const TSesjaObd& sesja) {
    QJsonArray pidy;
    for (std::size_t i = 0; i < sesja.obd.Pidy.size(); ++i) {
        const pid& p = sesja.obd.Pidy[i];
        if (!p.Obslugiwany) continue;
        QString tekst = sesja.pidy.Komorka(KolumnaWartosci, p.Wiersz);
        const QString znacznik = u'[' + p.Jednostka + u']';
        if (!p.Jednostka.isEmpty() && tekst.endsWith(znacznik)) tekst.chop(znacznik.size());
        pidy.append(Wartosc(sesja.obd, static_cast<int>(i), tekst, p.Jednostka));
    }
    return pidy;
}

QJsonValue GotowoscJson(const std::optional<TGotowosc>& g) {
    if (!g) return QJsonValue();
    QJsonArray monitory;
    for (const TMonitor& m : g->monitory)
        monitory.append(QJsonObject{{"name", QLatin1String(m.klucz)},
                                    {"state", QLatin1String(KluczStanu(m.stan))}});
    return QJsonObject{{"mil", g->mil},
                       {"confirmedCodes", g->kody},
                       {"ignition", g->zaplonSamoczynny ? "compression" : "spark"},
                       {"ready", g->Gotowe()},
                       {"supported", g->Obslugiwane()},
                       {"monitors", monitory}};
}

QJsonValue Opis(const QString& kod, int zasob) {
    const std::optional<QString> opis = OpisKoduZTabeli(TabelaOpisow(zasob), kod.toLatin1());
    return opis ? QJsonValue(opis->trimmed()) : QJsonValue();
}

QJsonArray KodyJson(const TObd& obd, unsigned char rodzaj) {
    QJsonArray ecu;
    const auto it = obd.OdczytaneKody.find(rodzaj);
    if (it == obd.OdczytaneKody.end()) return ecu;
    for (const TKodyEcu& k : it->second) {
        QJsonArray kody;
        for (const std::uint32_t kod : k.kody) {
            const QString tekst = KodNaTekst(kod);
            kody.append(QJsonObject{{"code", tekst},
                                    {"description", Opis(tekst, ZasobOpisowAngielskich)},
                                    {"descriptionPl", Opis(tekst, ZasobOpisowPolskich)}});
        }
        ecu.append(QJsonObject{{"ecu", Adres(k.ecu)}, {"codes", kody}});
    }
    return ecu;
}

// Absent texts are null, so a script tells "not offered" from an empty answer by the type.
QJsonValue TekstLubNull(const QString& tekst) {
    return tekst.isEmpty() ? QJsonValue() : QJsonValue(tekst);
}

QJsonArray InformacjeJson(const TObd& obd) {
    QJsonArray lista;
    for (const TInformacjeEcu& e : obd.Informacje)
        lista.append(QJsonObject{{"ecu", Adres(e.ecu)},
                                 {"vin", TekstLubNull(e.vin)},
                                 {"calibrationIds", QJsonArray::fromStringList(e.kalibracje)},
                                 {"cvns", QJsonArray::fromStringList(e.cvn)},
                                 {"ecuName", TekstLubNull(e.nazwa)}});
    return lista;
}

QJsonValue RamkaJson(const TObd& obd) {
    if (!obd.Zamrozona) return QJsonValue();
    QJsonArray pidy;
    for (const TWartoscPid& w : obd.Zamrozona->wartosci)
        pidy.append(Wartosc(obd, w.pid, w.tekst, w.jednostka));
    const std::uint32_t kod = obd.Zamrozona->kod;
    return QJsonObject{{"code", kod == 0 ? QJsonValue() : QJsonValue(KodNaTekst(kod))},
                       {"pids", pidy}};
}

QString Vin(const TObd& obd) {
    for (const TInformacjeEcu& e : obd.Informacje)
        if (!e.vin.isEmpty()) return e.vin;
    return {};
}

} // namespace

QString TekstDiagnozy(const TSesjaObd& sesja) {
    const TObd& obd = sesja.obd;
    QString tekst;
    if (obd.GotowoscOdSkasowania)
        tekst += Gotowosc(obd, TekstyObd::GotowoscOdSkasowania, *obd.GotowoscOdSkasowania) + u'\n';
    if (obd.GotowoscCyklu)
        tekst += Gotowosc(obd, TekstyObd::GotowoscCyklu, *obd.GotowoscCyklu) + u'\n';
    const QString informacje = Informacje(obd);
    return informacje.isEmpty() ? tekst : tekst + informacje + u'\n';
}

QJsonObject ObdJson(const TSesjaObd& sesja) {
    const TObd& obd = sesja.obd;
    QJsonArray ecu;
    for (const QString& a :
         sesja.status.Komorka(1, TObd::WierszEcu).split(u' ', Qt::SkipEmptyParts))
        ecu.append(a.chopped(1)); // "7E8h"
    return {{"port", sesja.status.Komorka(1, 0)},
            {"adapter", sesja.status.Komorka(1, 1)},
            {"voltage", sesja.status.Komorka(1, 2)},
            {"protocol", QJsonObject{{"number", obd.Protokol},
                                     {"name", sesja.status.Komorka(1, TObd::WierszProtokolu)}}},
            {"ecus", ecu},
            {"mainEcu", Adres(obd.Ecu)},
            {"vin", TekstLubNull(Vin(obd))},
            {"vehicleInfo", InformacjeJson(obd)},
            {"readiness", QJsonObject{{"sinceCleared", GotowoscJson(obd.GotowoscOdSkasowania)},
                                      {"thisDriveCycle", GotowoscJson(obd.GotowoscCyklu)}}},
            {"pids", PidyJson(sesja)},
            {"troubleCodes", QJsonObject{{"stored", KodyJson(obd, OdpowiedzZapisane)},
                                         {"pending", KodyJson(obd, OdpowiedzOczekujace)},
                                         {"permanent", KodyJson(obd, OdpowiedzPermanentne)}}},
            {"freezeFrame", RamkaJson(obd)}};
}
