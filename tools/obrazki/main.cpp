// Writes the program's pictures as PNG files into the folder given (data/).

#include "Rysunki.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int Skala = 1;

namespace {
QImage Obraz(int szerokosc, int wysokosc, QImage::Format format, Qt::GlobalColor tlo) {
    QImage obraz(szerokosc * Skala, wysokosc * Skala, format);
    // A painter on it then draws in points.
    obraz.setDevicePixelRatio(Skala);
    obraz.fill(tlo);
    return obraz;
}
} // namespace

QImage NowyObraz(int szerokosc, int wysokosc) {
    return Obraz(szerokosc, wysokosc, QImage::Format_RGB32, Qt::white);
}

QImage PrzezroczystyObraz(int szerokosc, int wysokosc) {
    return Obraz(szerokosc, wysokosc, QImage::Format_ARGB32, Qt::transparent);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rysuj-obrazki <data folder>\n");
        return 1;
    }
    const QDir cel(QString::fromLocal8Bit(argv[1]));
    struct TPlik {
        const char* nazwa;
        QImage obraz;
    };
    // The switch and the OBD pictures sit in the live column at any scale, so they also come
    // twice as fine; Qt picks the "@2x" file on a screen of twice the density.
    for (Skala = 2; Skala >= 1; --Skala) {
        const TPlik pliki[] = {
            {"RC_CEN_BMP", RysujStacyjke()},    {"RC_LOGO_BMP", RysujLogo()},
            {"RC_OBD_OFF", RysujObd("OFF")},    {"RC_OBD_ON", RysujObd("ON")},
            {"RC_OBD_PWM", RysujObd("PWM")},    {"RC_OBD_VPW", RysujObd("VPW")},
            {"RC_OBD_ISO", RysujObd("ISO")},    {"RC_OBD_CAN", RysujObd("CAN")},
            {"RC_DIA_UP", RysujStrzalke(true)}, {"RC_DIA_DOWN", RysujStrzalke(false)},
        };
        for (const TPlik& p : pliki) {
            const QString nazwa = QString::fromLatin1(p.nazwa);
            const bool gesty =
                nazwa == QLatin1String("RC_CEN_BMP") || nazwa.startsWith(QLatin1String("RC_OBD_"));
            if (Skala == 2 && !gesty) continue;
            const QString sciezka = cel.filePath(
                nazwa + (Skala == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
            if (!p.obraz.save(sciezka, "PNG")) {
                std::fprintf(stderr, "rysuj-obrazki: cannot write %s\n", qPrintable(sciezka));
                return 1;
            }
        }
    }
    return 0;
}
