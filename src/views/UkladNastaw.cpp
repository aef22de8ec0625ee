#include "UkladNastaw.h"

#include "TNastawa.h"

#include <algorithm>

TUkladNastaw UkladNastaw(QSize rozmiar, int wierszy, bool pasekDolny) {
    TUkladNastaw u;
    const int polowa = rozmiar.width() / 2;
    if (pasekDolny) {
        u.WysokoscWiersza = 24;
        u.SzerokoscKolumny = polowa;
    } else {
        u.WysokoscWiersza = wierszy > 0 ? rozmiar.height() / wierszy : 20;
        u.SzerokoscKolumny = polowa;
        if (u.WysokoscWiersza < 20) {
            // The grid scrolls; the 10 pixels leave room for its scroll bar.
            u.WysokoscWiersza = 20;
            u.SzerokoscKolumny = polowa - 10;
            u.Przewijanie = true;
        }
    }
    u.Przycisk = std::min({u.WysokoscWiersza, 50, u.SzerokoscKolumny / 10});
    for (int k = 0; k < 2; ++k)
        u.Strefy[k] = StrefyKolumny(k, u.SzerokoscKolumny, u.Przycisk);
    return u;
}

TStrefy StrefyKolumny(int kolumna, int w, int d) {
    const int przesuniecie = kolumna * w;
    TStrefy s{7, 0, w / 2 + 18, w - 2 * d - 11, w - d - 9, w - 7, 0, 0};
    s[PoczatekWiecej] = s[PoczatekPola] - d - 1;
    s[KoniecWiecej] = s[PoczatekPola] - 1;
    for (int i = 0; i < 8; ++i)
        if (i != PoczatekKodu) s[i] += przesuniecie;
    return s;
}

int KoniecPola(const TStrefy& s, int forma) {
    switch (forma) {
    case Formy::Przelacznik:
    case Formy::Wybor:
        return s[PoczatekPlusa];
    case Formy::KodBledu:
        return s[KoniecPrzyciskow];
    default:
        return s[PoczatekMinusa];
    }
}

int RozmiarCzcionki(int miejsceNaNazwe, int wysokoscWiersza,
                    const std::function<int(int)>& szerokoscNazwy,
                    const std::function<int(int)>& wysokoscTekstu) {
    for (int r = 24; r >= 7; --r)
        if (szerokoscNazwy(r) < miejsceNaNazwe && wysokoscTekstu(r) < wysokoscWiersza - 2) return r;
    return 7;
}

int OdstepPowtorzenia(int powtorzen) {
    if (powtorzen < 3) return 600;
    if (powtorzen < 10) return 300;
    if (powtorzen < 30) return 100;
    return 30;
}

QRect PolozenieListy(const QRect& komorka, int lewa, int szerokosc, int pozycji,
                     int wysokoscPozycji, int wysokoscEdytora) {
    int gora = komorka.bottom() + 1;
    const int wysokosc = pozycji * wysokoscPozycji + 5;
    if (gora + wysokosc > wysokoscEdytora) gora = wysokoscEdytora - wysokosc;
    if (gora < 0 || wysokosc > wysokoscEdytora) return {lewa, 0, szerokosc, wysokoscEdytora};
    return {lewa, gora, szerokosc, wysokosc};
}

TKomorka KomorkaPod(QPoint p, const TUkladNastaw& u, int pierwszyWidoczny, int wierszy) {
    TKomorka k;
    k.Kolumna = p.x() > u.SzerokoscKolumny ? 1 : 0;
    const int wiersz = u.WysokoscWiersza > 0 ? p.y() / u.WysokoscWiersza : 0;
    k.Wiersz = std::min(wiersz + pierwszyWidoczny, std::max(wierszy - 1, 0));
    return k;
}
