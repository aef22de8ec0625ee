#include "Obrazki.h"

#include <QBitmap>

// Outside any namespace, as the resource initialiser requires; the pictures live in a static
// library, so nothing would pull their resource in otherwise.
static void ZarejestrujObrazki() {
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(obrazki);
        return true;
    }();
    (void)zarejestrowane;
}

QPixmap Obrazki::Wczytaj(const QString& nazwa, qreal skala) {
    ZarejestrujObrazki();
    const QString sciezka = QStringLiteral(":/obrazki/") + nazwa;
    QPixmap obraz;
    // Named in full, so that the choice is the ratio given and not the application's.
    if (skala > 1 && obraz.load(sciezka + QStringLiteral("@2x.png")))
        obraz.setDevicePixelRatio(2);
    else
        obraz.load(sciezka + QStringLiteral(".png"));
    if (!obraz.isNull()) obraz.setMask(obraz.createMaskFromColor(Qt::white));
    return obraz;
}

QString Obrazki::Obd(int protokol) {
    if (protokol == -1) return QStringLiteral("RC_OBD_OFF");
    if (protokol == 1) return QStringLiteral("RC_OBD_PWM");
    if (protokol == 2) return QStringLiteral("RC_OBD_VPW");
    if (protokol >= 3 && protokol <= 5) return QStringLiteral("RC_OBD_ISO");
    if (protokol >= 6 && protokol <= 9) return QStringLiteral("RC_OBD_CAN");
    return QStringLiteral("RC_OBD_ON");
}
