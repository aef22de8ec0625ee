#include "Dziennik.h"

namespace {

QByteArray Json(const QByteArray& tekst) {
    QByteArray w = "\"";
    for (const char c : tekst) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            w += '\\' + QByteArray(1, c);
        else if (c == '\r')
            w += "\\r";
        else if (c == '\n')
            w += "\\n";
        else if (b < 0x20 || b >= 0x7F)
            w += "\\u00" + QByteArray(1, c).toHex();
        else
            w += c;
    }
    return w + '"';
}

} // namespace

bool TDziennik::Otworz(const QString& sciezka) {
    plik.setFileName(sciezka);
    return plik.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

QByteArray TDziennik::Linia(double t, const QByteArray& rx, const QByteArray& tx) {
    return "{\"t\":" + QByteArray::number(t, 'f', 3) + ",\"rx\":" + Json(rx) +
           ",\"tx\":" + Json(tx) + "}\n";
}

void TDziennik::Zapisz(double t, const QByteArray& rx, const QByteArray& tx) {
    if (!plik.isOpen()) return;
    plik.write(Linia(t, rx, tx));
    plik.flush();
}
