#pragma once

// The file loaders take a path from the file dialog: the input goes to a temporary file
// and a stand-in dialog always chooses it.

#include "OknaPlikow.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

class TOknaFuzz : public TOknaPlikow {
public:
    explicit TOknaFuzz(const QString& nazwa) : sciezka(katalog.filePath(nazwa)) {}

    // False when the bytes could not be written whole, so the run says nothing.
    bool Wpisz(const std::uint8_t* dane, std::size_t rozmiar) {
        QFile plik(sciezka);
        const auto ile = qint64(rozmiar);
        return plik.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               plik.write(reinterpret_cast<const char*>(dane), ile) == ile;
    }

    QString Otworz(const TDialogPliku&) override { return sciezka; }
    QString Zapisz(const TDialogPliku&) override { return {}; }

private:
    QTemporaryDir katalog;
    QString sciezka;
};
