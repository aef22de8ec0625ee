#include "Wydruk.h"

#include "Konsola.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

QString Etykietowane(const QList<QPair<QString, QString>>& wiersze) {
    qsizetype szerokosc = 0;
    for (const auto& [etykieta, wartosc] : wiersze)
        szerokosc = std::max(szerokosc, etykieta.size() + 1);
    QString tekst;
    for (const auto& [etykieta, wartosc] : wiersze)
        tekst += (etykieta + u':').leftJustified(szerokosc + 2) + wartosc + u'\n';
    return tekst;
}

QString WierszTabeli(const QStringList& komorki, const QList<int>& szerokosci) {
    QStringList wyrownane;
    for (qsizetype i = 0; i < komorki.size(); ++i)
        wyrownane << komorki[i].rightJustified(i < szerokosci.size() ? szerokosci[i] : 0);
    return wyrownane.join(QStringLiteral("  ")) + u'\n';
}

void WypiszJson(const QJsonObject& obiekt) {
    WypiszBajty(QJsonDocument(obiekt).toJson(QJsonDocument::Compact) + '\n');
}
