#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

class TSterownik;

// The car's configuration as the installer found it, kept as ordinary settings files in the
// folder of originals: the first complete read of each controller (by its bar code) once and
// for good, and on each later day on which anything is written to it, that day's first
// complete read as the "before" file of the day. A failed write is logged and reported once,
// and the link goes on.
class TOryginaly {
public:
    struct TPlik {
        QString sciezka;
        bool oryginal; // else a "before" file
        QDateTime kiedy;
    };

    explicit TOryginaly(TSterownik& sterownik);

    // Documents folder + "ORVA/Selvar II/Originals"; empty without a documents folder.
    QString Katalog() const;
    // The kept files of the connected controller, newest first.
    std::vector<TPlik> Pliki() const;

    // Told by the link engine: a fresh connection's identity, each reply decoded, and each
    // block write just before it goes out.
    void NowePolaczenie();
    void PoOdpowiedzi();
    void PrzedZapisem();

    // "5901234000123456_original_2026-12-10_1253.set"; the bar code keeps only characters
    // safe in a file name.
    static QString NazwaPliku(const QString& kodKreskowy, bool oryginal, const QDateTime& kiedy);

private:
    QString KodPliku() const;
    QDate Dzis() const;
    bool JestPlik(const QString& wzor) const;
    void Zachowaj(bool oryginal, const QByteArray& obraz);

    TSterownik& s;
    bool czekaNaOdczyt = false;
    QByteArray obrazDnia; // the connection's first complete read, until a write needs it
    bool zgloszono = false;
};
