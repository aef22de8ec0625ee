#include "OpisyKodow.h"

#include <QFile>

#include <array>
#include <utility>

namespace {

constexpr int DlugoscKodu = 5;

// Windows-1250 bytes of ą ć ę ł ń ó ś ź ż Ą Ć Ę Ł Ń Ó Ś Ź Ż.
constexpr std::array<std::pair<unsigned char, char16_t>, 18> PolskieLitery{{
    {0xB9, u'ą'},
    {0xE6, u'ć'},
    {0xEA, u'ę'},
    {0xB3, u'ł'},
    {0xF1, u'ń'},
    {0xF3, u'ó'},
    {0x9C, u'ś'},
    {0x9F, u'ź'},
    {0xBF, u'ż'},
    {0xA5, u'Ą'},
    {0xC6, u'Ć'},
    {0xCA, u'Ę'},
    {0xA3, u'Ł'},
    {0xD1, u'Ń'},
    {0xD3, u'Ó'},
    {0x8C, u'Ś'},
    {0x8F, u'Ź'},
    {0xAF, u'Ż'},
}};

void DopiszBajt(QString& tekst, unsigned char bajt) {
    if (bajt < 0x80) {
        tekst += QChar(char16_t(bajt));
        return;
    }
    for (const auto& [kod, litera] : PolskieLitery) {
        if (kod == bajt) {
            tekst += QChar(litera);
            return;
        }
    }
    tekst += u'/';
    tekst += QString::number(bajt);
}

} // namespace

std::optional<QString> OpisKoduZTabeli(QByteArrayView tabela, QByteArrayView kod) {
    // A shorter text would match inside other codes, an empty one at the very start.
    if (kod.size() != DlugoscKodu) return std::nullopt;
    const qsizetype poczatek = tabela.indexOf(kod);
    if (poczatek < 0) return std::nullopt;
    const QByteArrayView reszta = tabela.sliced(poczatek + DlugoscKodu);
    const qsizetype koniec = reszta.indexOf('\r');
    return TekstOpisuZBajtow(koniec < 0 ? reszta : reszta.first(koniec));
}

QString TekstOpisuZBajtow(QByteArrayView bajty) {
    QString tekst;
    tekst.reserve(bajty.size());
    for (const char znak : bajty)
        DopiszBajt(tekst, static_cast<unsigned char>(znak));
    return tekst;
}

// Outside any namespace: the macro declares the generated registration function at this scope.
static void RejestrujZasobyOpisow() {
    Q_INIT_RESOURCE(dtc);
}

QByteArray TabelaOpisow(int zasob) {
    if (zasob != ZasobOpisowAngielskich && zasob != ZasobOpisowPolskich) return {};
    // A static library drops the resource object unless something calls into it.
    [[maybe_unused]] static const bool zarejestrowane = (RejestrujZasobyOpisow(), true);
    QFile plik(QStringLiteral(":/dtc/%1").arg(zasob));
    if (!plik.open(QIODevice::ReadOnly)) return {};
    return plik.readAll();
}
