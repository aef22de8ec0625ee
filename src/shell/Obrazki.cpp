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

QPixmap Obrazki::Wczytaj(const QString& nazwa) {
    ZarejestrujObrazki();
    QPixmap obraz(QStringLiteral(":/obrazki/") + nazwa + QStringLiteral(".png"));
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
