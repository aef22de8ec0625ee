// Captions from the text table, applied on start and after every language or view change.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "PanelDiagnozyObd.h"
#include "TForm1.h"
#include "TGrafika.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

struct TNapis {
    const char* nazwa;
    int id;
};

// Menus and items captioned by one text each.
constexpr TNapis NapisyMenu[] = {
    {"MenuFile", 1100},         {"MenuFileInfo", 1330}, {"MenuFileServis", 1340},
    {"MenuFileFirmware", 1360}, {"MenuFileRead", 1101}, {"MenuFileSave", 1102},
    {"MenuFile5", 1105},        {"MenuFile6", 1106},    {"MenuFile7", 1107},
    {"MenuConn", 1117},         {"MenuLang", 1120},     {"MenuView", 1150},
    {"MenuView0", 1151},        {"MenuView1", 1152},    {"MenuView2", 1153},
    {"MenuColor", 1160},        {"MenuColor0", 1161},   {"MenuColor1", 1162},
    {"MenuColor2", 1163},       {"MenuColor3", 1164},   {"MenuColor4", 1165},
    {"MenuColor5", 1166},       {"MenuDoc", 1170},      {"MenuDocMan", 1171},
    {"MenuDocSch", 1172},       {"MenuDocCon", 1173},
};

constexpr TNapis Podpowiedzi[] = {
    {"SpeedButton50", 1261}, {"SpeedButton51", 1262}, {"SpeedButton52", 1263},
    {"SpeedButton53", 1106}, {"SpeedButton54", 1105}, {"SpeedButton55", 1259},
    {"SpeedButton56", 1107}, {"SpeedButton91", 1725}, {"SpeedButton90", 1718},
    {"SpeedButton60", 2200}, {"SpeedButton61", 2201}, {"SpeedButton62", 2202},
    {"SpeedButton70", 2203}, {"SpeedButton71", 2204},
};

constexpr TNapis NapisyPrzyciskow[] = {
    {"SpeedButton80", 1700}, {"SpeedButton81", 1701}, {"SpeedButton82", 1702},
    {"SpeedButton11", 1210}, {"SpeedButton12", 1211}, {"SpeedButton13", 1212},
    {"SpeedButton14", 1213}, {"SpeedButton15", 1214}, {"SpeedButton16", 1215},
    {"SpeedButton21", 1216}, {"SpeedButton22", 1218}, {"SpeedButton32", 1229},
    {"SpeedButton33", 1100}, {"SpeedButton34", 1211}, {"SpeedButton41", 1232},
    {"SpeedButton43", 4344},
};

// The Language menu names each language in itself and in English.
const char* const NazwyJezykow[] = {"English", "Polski (Polish)", "Русский (Russian)",
                                    "Español (Spain)"};

} // namespace

void TForm1::ZastosujNapisy() {
    teksty.Wczytaj();
    tlumaczQt.Ustaw(teksty.Jezyk());
    for (const TNapis& n : NapisyMenu) {
        const QString nazwa = QString::fromLatin1(n.nazwa);
        if (QMenu* m = menuBar()->findChild<QMenu*>(nazwa))
            m->setTitle(PodajTekst(n.id));
        else if (QAction* a = Akcja(nazwa))
            a->setText(PodajTekst(n.id));
    }
    for (int i = 0; i < 4; ++i)
        Akcja(QStringLiteral("MenuLang%1").arg(i))->setText(QString::fromUtf8(NazwyJezykow[i]));
    for (const TNapis& n : Podpowiedzi)
        findChild<QToolButton*>(QString::fromLatin1(n.nazwa))->setToolTip(PodajTekst(n.id));
    for (const TNapis& n : NapisyPrzyciskow)
        findChild<QToolButton*>(QString::fromLatin1(n.nazwa))->setText(PodajTekst(n.id));

    const QString bank = PodajTekst(1720);
    // The captions are the bare bank numbers; the word is in the hint.
    Przycisk(85)->setToolTip(bank + QStringLiteral(" 1&2"));
    Przycisk(86)->setToolTip(bank + QStringLiteral(" 1"));
    Przycisk(87)->setToolTip(bank + QStringLiteral(" 2"));
    Przycisk(90)->setText(PodajTekst(grafika->OpisOsi()));
    for (int i = 0; i < 6; ++i)
        Przycisk(i + 1)->setText(PodajTekst(1200 + i) + QStringLiteral(" [F%1]").arg(i + 1));
    for (int n = 23; n <= 26; ++n)
        Przycisk(n)->setText({});
    Przycisk(31)->setText(QStringLiteral("ELM"));

    banerParametry->setText(PodajTekst(1230));
    banerCzasWtr->setText(PodajTekst(1231));
    banerOsc->setText({});
    banerBledy->setText(QLatin1Char(' ') + PodajTekst(1232) + QLatin1Char(' '));
    banerInfo->setText(QLatin1Char(' ') + PodajTekst(1234) + QLatin1Char(' '));
    NapisyEdycji();

    panelMonitory->Odswiez();

    // Captions change widths with the language.
    listaWykresow->Przebuduj();
    NarzedziaMap();
    UlozPrawa();
    UlozZakladki();
}

void TForm1::UstawJezyk(int jezyk) {
    teksty.UstawJezyk(jezyk);
    Akcja(QStringLiteral("MenuLang%1").arg(teksty.Jezyk()))->setChecked(true);
    ZastosujNapisy();
    WybierzZakladke(-1);
}
