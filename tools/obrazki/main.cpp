// Writes the program's pictures as PNG files into the folder given (data/).

#include "Rysunki.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

QImage NowyObraz(int szerokosc, int wysokosc) {
    QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    return obraz;
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
    const TPlik pliki[] = {
        {"RC_CEN_BMP", RysujStacyjke()},    {"RC_LOGO_BMP", RysujLogo()},
        {"RC_OBD_OFF", RysujObd("OFF")},    {"RC_OBD_ON", RysujObd("ON")},
        {"RC_OBD_PWM", RysujObd("PWM")},    {"RC_OBD_VPW", RysujObd("VPW")},
        {"RC_OBD_ISO", RysujObd("ISO")},    {"RC_OBD_CAN", RysujObd("CAN")},
        {"RC_DIA_UP", RysujStrzalke(true)}, {"RC_DIA_DOWN", RysujStrzalke(false)},
    };
    for (const TPlik& p : pliki) {
        const QString sciezka = cel.filePath(QString::fromLatin1(p.nazwa) + QStringLiteral(".png"));
        if (!p.obraz.save(sciezka, "PNG")) {
            std::fprintf(stderr, "rysuj-obrazki: cannot write %s\n", qPrintable(sciezka));
            return 1;
        }
    }
    return 0;
}
