#include "OdczytyZgodne.h"

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Kontekst.h"
#include "SesjaSterownika.h"

#include <algorithm>

namespace {

constexpr int BitNastawObd = 24;
constexpr int RozmiarBloku = 256;
constexpr int RozmiarNastawObd = 48;
constexpr int DaneRamki = 6; // a block's bytes start at frame byte 6
constexpr int RozmiarIdentyfikacji = 128;

QByteArray Bajty(const unsigned char* od, int ile) {
    return QByteArray(reinterpret_cast<const char*>(od), ile);
}

} // namespace

TOdczytyZgodne::TOdczytyZgodne(TKontekst& kontekst, TSesjaSterownika& s, int maska,
                               bool zIdentyfikacja)
    : k(kontekst), sesja(s) {
    for (int bit = 0; bit < BitNastawObd; ++bit)
        if (maska & (1 << bit)) bloki.insert(bit, {});
    if (zIdentyfikacja) bloki.insert(Identyfikacja, {});
    zegar.start();
}

void TOdczytyZgodne::Przyjmij(int kod, int dlugosc) {
    const unsigned char* ramka = sesja.s.RamkaRx;
    ++numer;
    if (ramka[0] == 'V' && (kod & 0xF0) == 0x90 && dlugosc >= 10) {
        const auto nowe = ZgodnoscOdczytow::ZgloszeniaRamki(ramka, numer);
        if (nowe.isEmpty()) return;
        zgloszenia << nowe;
        for (auto it = bloki.begin(); it != bloki.end(); ++it)
            if (it->zgodny.isNull()) Uzgodnij(*it, it.key());
        return;
    }
    if (ramka[0] == '6' && kod == 0x72 && dlugosc >= DaneRamki + RozmiarNastawObd) {
        if (!bloki.contains(BitNastawObd)) bloki.insert(BitNastawObd, {});
        Dodaj(BitNastawObd, Bajty(ramka + DaneRamki, RozmiarNastawObd));
        return;
    }
    if (ramka[0] != 'V') return;
    if (kod == 0x81) {
        Dodaj(Identyfikacja, Bajty(ramka, std::min(dlugosc, RozmiarIdentyfikacji)));
        return;
    }
    const Bloki::TOpisBloku* b = Bloki::PoKodzieOdczytu(static_cast<unsigned char>(kod));
    if (b && dlugosc >= DaneRamki + RozmiarBloku)
        Dodaj(b->bit, Bajty(ramka + DaneRamki, RozmiarBloku));
}

void TOdczytyZgodne::Dodaj(int klucz, QByteArray odczyt) {
    auto it = bloki.find(klucz);
    if (it == bloki.end() || !it->zgodny.isNull()) return;
    it->odczyty << ZgodnoscOdczytow::TOdczyt{std::move(odczyt), zegar.elapsed(), numer};
    Uzgodnij(*it, klucz);
}

void TOdczytyZgodne::Uzgodnij(TBlok& blok, int klucz) const {
    const auto& o = blok.odczyty;
    for (qsizetype j = o.size() - 1; j > 0; --j)
        for (qsizetype i = j - 1; i >= 0; --i)
            if (ZgodnoscOdczytow::Zgodne(klucz, o[i], o[j], zgloszenia)) {
                blok.zgodny = o[j].bajty;
                return;
            }
}

bool TOdczytyZgodne::Czeka(int klucz) const {
    const TSterownik& s = sesja.s;
    if (klucz == Identyfikacja) return s.Rozkazy & TSterownik::RozkazIdentyfikacja;
    return s.DoOdczytu & (1 << klucz);
}

void TOdczytyZgodne::Zadaj(int klucz) {
    TSterownik& s = sesja.s;
    if (klucz == Identyfikacja)
        s.RozkazDoSterownika(TSterownik::RozkazIdentyfikacja);
    else
        s.CzytajZeSterownika(1 << klucz);
    ++bloki[klucz].zadan;
}

QString TOdczytyZgodne::Sprawdz(int klucz) {
    const TBlok& b = bloki[klucz];
    if (!b.zgodny.isNull() || Czeka(klucz)) return {};
    if (b.odczyty.size() >= MaksOdczytow)
        return QStringLiteral("%1 reads of %2 and no two agree; the line corrupts data")
            .arg(b.odczyty.size())
            .arg(NazwaBloku(klucz));
    if (b.zadan >= MaksOdczytow)
        return QStringLiteral("%1 read %2 times and %3 answers")
            .arg(NazwaBloku(klucz))
            .arg(b.zadan)
            .arg(b.odczyty.size());
    Zadaj(klucz);
    return {};
}

int TOdczytyZgodne::Zgodnych() const {
    return int(std::count_if(bloki.begin(), bloki.end(),
                             [](const TBlok& b) { return !b.zgodny.isNull(); }));
}

bool TOdczytyZgodne::Czekaj(const QString& co) {
    QString blad;
    int pokazane = -1;
    const bool gotowe = sesja.Czekaj([&] {
        // The OBD module's settings count once it has shown itself.
        if (sesja.s.ModulObd && !bloki.contains(BitNastawObd)) bloki.insert(BitNastawObd, {});
        for (auto it = bloki.keyBegin(); it != bloki.keyEnd() && blad.isEmpty(); ++it)
            blad = Sprawdz(*it);
        if (Zgodnych() != pokazane) {
            pokazane = Zgodnych();
            k.konsola.Postep(QStringLiteral("%1: %2 of %3 blocks read twice alike")
                                 .arg(co)
                                 .arg(pokazane)
                                 .arg(bloki.size()));
        }
        return !blad.isEmpty() || pokazane == bloki.size();
    });
    if (!gotowe) return false;
    return blad.isEmpty() || sesja.Niepowodzenie(KodyWyjscia::Lacze, blad);
}

void TOdczytyZgodne::WstawDoModelu() {
    TSterownik& s = sesja.s;
    for (auto it = bloki.begin(); it != bloki.end(); ++it) {
        const QByteArray& z = it->zgodny;
        if (it.key() == Identyfikacja) {
            // As the identity reply is decoded: a reply too long for the copy leaves it.
            if (z.size() >= RozmiarIdentyfikacji) continue;
            std::fill(std::begin(s.IdentSterownika), std::end(s.IdentSterownika), 0);
            std::copy(z.begin(), z.end(), s.IdentSterownika);
        } else if (it.key() == BitNastawObd) {
            std::copy(z.begin(), z.end(), s.NastawyObd);
        } else if (unsigned char* blok = s.DaneBloku(it.key())) {
            std::copy(z.begin(), z.end(), blok);
        }
    }
}

QString NazwaBloku(int klucz) {
    struct TNazwa {
        int klucz;
        const char* nazwa;
    };
    static constexpr TNazwa Nazwy[] = {
        {TOdczytyZgodne::Identyfikacja, "IdentSterownika"},
        {0, "Nastawy"},
        {1, "Mnoznik1"},
        {2, "Mnoznik2"},
        {3, "KorOdObr1"},
        {4, "KorOdObr2"},
        {7, "Historia"},
        {8, "KorOdCis"},
        {9, "KorOdTempRed"},
        {10, "KorOdTempGazu"},
        {11, "EmulatorCis"},
        {12, "OpoznienieWtr"},
        {13, "Wzbogacenie"},
        {16, "MapaEcuBen"},
        {17, "MapaEcuGaz"},
        {20, "MapaObdBen1"},
        {21, "MapaObdGaz1"},
        {22, "MapaObdBen2"},
        {23, "MapaObdGaz2"},
        {BitNastawObd, "NastawyObd"},
    };
    for (const TNazwa& n : Nazwy)
        if (n.klucz == klucz) return QLatin1String(n.nazwa);
    return QStringLiteral("block %1").arg(klucz);
}
