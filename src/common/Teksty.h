#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// Language index as stored in the preferences ("Lang"). The order differs from the
// column order of the table: Polish is the first column but index 1.
namespace Jezyki {
inline constexpr int Angielski = 0;
inline constexpr int Polski = 1;
inline constexpr int Rosyjski = 2;
inline constexpr int Hiszpanski = 3;
inline constexpr int Domyslny = Polski;

// A stored value outside 0..3 (a missing one included) means the default, Polish.
constexpr int Ogranicz(int zapisany) {
    return zapisany >= Angielski && zapisany <= Hiszpanski ? zapisany : Domyslny;
}
} // namespace Jezyki

// The four-language text table: every user text by its four-digit id.
// Rows are "id TAB Polish TAB English TAB Russian TAB Spanish", UTF-8, trailing cells may
// be missing. The main window owns one and hands it to whoever shows texts.
class TTeksty {
public:
    // Highest id the row cache covers; higher ids are still found, by a scan.
    static constexpr int NajwyzszyId = 4141;

    TTeksty();

    // Loads the table compiled into the program; false (and no rows) when it is missing.
    bool Wczytaj();
    // Loads the table from a file; false (and no rows) when it cannot be read.
    bool WczytajPlik(const QString& sciezka);
    // Loads the table from its bytes. The row cache survives every reload.
    void WczytajDane(const QByteArray& dane);

    // Text of the id in the current language; "" for ids that are not in the table.
    QString PodajTekst(int id) const;

    int Jezyk() const { return jezyk; }
    // Takes a stored value as it is: out of range gives Polish.
    void UstawJezyk(int zapisany) { jezyk = Jezyki::Ogranicz(zapisany); }

    qsizetype LiczbaWierszy() const { return wiersze.size(); }

private:
    int ZnajdzWiersz(int id, const QString& klucz) const;
    // The cell of the current language from the cells of a row (the row without its id).
    QString TekstWiersza(const QString& komorki) const;

    QStringList wiersze;
    int jezyk = Jezyki::Domyslny;
    // Per id the row where it was last found; a repeated lookup is one comparison.
    mutable std::array<int, NajwyzszyId + 1> pamiecWierszy{};
};
