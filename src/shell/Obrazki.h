#pragma once

#include <QPixmap>
#include <QString>

// The pictures compiled into the program, each with white as its transparent colour.
namespace Obrazki {
inline const QString Stacyjka = QStringLiteral("RC_CEN_BMP");
inline const QString Logo = QStringLiteral("RC_LOGO_BMP");

// The picture loaded with its white made transparent; a null pixmap for an unknown name. At
// a device pixel ratio above 1 the twice as fine drawing is taken where there is one, with
// that ratio set, so that it covers the same points and stays sharp.
QPixmap Wczytaj(const QString& nazwa, qreal skala = 1);
// The OBD status picture of a protocol: -1 no adapter, 1 PWM, 2 VPW, 3..5 ISO, 6..9 CAN,
// anything else (0 while searching) the plain "adapter answers".
QString Obd(int protokol);
} // namespace Obrazki
