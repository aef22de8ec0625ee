#pragma once

#include <QTableWidget>

#include <array>

class TSterownik;
struct TPaleta;

// The injection-time grid (StringGridCzasyWtr): per injection channel its number, the
// petrol time, the gas injectors it drives with the switch of its own gas injector, and
// the gas time. Drawn entirely here.
class TSiatkaCzasow : public QTableWidget {
public:
    static constexpr int KolumnaWtryskiwaczy = 2;

    TSiatkaCzasow(TSterownik& s, const TPaleta& p, QWidget* rodzic);

    // Rows: the channels, or one when collapsed.
    int WierszeWymagane() const;
    void Rozmiesc(int szerokosc, int wysokoscWiersza);
    QSize sizeHint() const override;
    // Writes the times of the live frame that changed; false when the row count is no longer
    // right and the column must be laid out again first.
    bool Aktualizuj();
    void Wyczysc();
    // The link is down: no time is shown until the next live frame.
    void BrakLacza();
    bool BezLacza() const { return bezLacza; }

    bool Zwiniete = false;
    int RozmiarEtykiet = 8;
    int RozmiarWartosci = 10;

    TSterownik& Sterownik() const { return s; }
    const TPaleta& Paleta() const { return p; }
    // The gas injectors (0..7) that petrol input k drives; 0 when none.
    unsigned char Zestaw(int kanal) const;

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
    void Przelacz(int kanal);

    TSterownik& s;
    const TPaleta& p;
    std::array<double, 8> benzyna{}, gaz{};
    bool bezLacza = false;
};
