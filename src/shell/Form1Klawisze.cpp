// The keyboard: the window sees every key first, then the views get it; a text entry
// keeps what is typed into it.

#include "Kontrolki.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TScope.h"
#include "TSterownik.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

bool TForm1::WpisywanieTekstu() const {
    QWidget* f = QApplication::focusWidget();
    if (!f) return false;
    // The map view's focus holder is an entry only while it edits an axis header.
    if (f == grafika->UchwytFokusu()) return grafika->EdycjaNaglowka();
    if (const auto* e = qobject_cast<QLineEdit*>(f)) return !e->isReadOnly();
    if (const auto* e = qobject_cast<QTextEdit*>(f)) return !e->isReadOnly();
    if (const auto* e = qobject_cast<QPlainTextEdit*>(f)) return !e->isReadOnly();
    // The editor's value list takes Enter, Escape and the arrows as its choice.
    return qobject_cast<QAbstractSpinBox*>(f) || qobject_cast<QComboBox*>(f) ||
           f == nastawy->ListaWartosci();
}

bool TForm1::Klawisz(int klawisz, Qt::KeyboardModifiers shift) {
    bool obsluzony = true;
    const bool deweloper = TrybSerwisowy != 0;
    if (klawisz >= Qt::Key_F1 && klawisz <= Qt::Key_F6) zakladkaWybrana = true;
    switch (klawisz) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ZakladkaGlowna == 1)
            sterownik->StartStopKalibracji();
        else if (ZakladkaGlowna == 2)
            sterownik->WykonajAdaptacje();
        else
            obsluzony = false;
        break;
    case Qt::Key_Space:
        sterownik->ZmianaPaliwaAuto = 1;
        break;
    case Qt::Key_F11:
        sterownik->ZmianaPaliwaSzybka = 1;
        break;
    case Qt::Key_F1:
        WybierzZakladke(0);
        break;
    case Qt::Key_F2:
        WybierzZakladke(1);
        break;
    case Qt::Key_F3:
        KlawiszMapy();
        break;
    case Qt::Key_F4:
        WybierzZakladke(3);
        break;
    case Qt::Key_F5:
        WybierzZakladke(4);
        break;
    case Qt::Key_F6:
        KlawiszObd();
        break;
    case Qt::Key_F8:
        KlawiszF8();
        break;
    case Qt::Key_F9:
        KlawiszF9();
        break;
    case Qt::Key_L:
        ZwinLewa(!lewaZwinieta);
        break;
    case Qt::Key_R:
        ZwinPrawa(!prawaZwinieta);
        break;
    case Qt::Key_H:
        if (deweloper) UstawPoziomWidoku((Widok + 1) % 3);
        obsluzony = deweloper;
        break;
    case Qt::Key_J:
        if (deweloper) UstawJezyk((teksty.Jezyk() + 1) % 4);
        obsluzony = deweloper;
        break;
    case Qt::Key_K:
        if (deweloper) UstawSchemat((Schemat + 1) % 6);
        obsluzony = deweloper;
        break;
    case Qt::Key_Q:
        if (deweloper) PrzelaczTrybSerwisowy();
        obsluzony = deweloper;
        break;
    default:
        obsluzony = false;
        break;
    }
    grafika->Klawisz(klawisz, shift);
    scope->Klawisz(klawisz, shift);
    return obsluzony;
}

void TForm1::KlawiszMapy() {
    if (ZakladkaGlowna != 2) {
        WybierzZakladke(2);
        return;
    }
    // 0, 1, 2, 3, 4 and round; from the second row back to the first sub-tab.
    const int nastepna = ZakladkaMapy >= 0 && ZakladkaMapy < 4 ? ZakladkaMapy + 1 : 0;
    Przycisk(11 + nastepna)->setChecked(true);
    ZakladkaMapyKlik(Przycisk(11 + nastepna));
}

void TForm1::KlawiszObd() {
    if (ZakladkaGlowna != 5) {
        WybierzZakladke(5);
        return;
    }
    // Sub-tabs of a module the controller does not have are hidden and stepped over.
    int nastepna = ZakladkaObd;
    do
        nastepna = (nastepna + 1) % 4;
    while (Przycisk(31 + nastepna)->isHidden());
    Przycisk(31 + nastepna)->setChecked(true);
    ZakladkaObdKlik(Przycisk(31 + nastepna));
}

void TForm1::KlawiszF8() {
    if (panel81->isHidden() || panel80->isHidden() || panel81->height() < 2) return;
    const int mapa = (grafika->Mapa + 1) % 3;
    Przycisk(80 + mapa)->setChecked(true);
    grafika->UstawMape(mapa);
}

void TForm1::KlawiszF9() {
    if (panel82->isHidden() || panel80->isHidden() || panel82->height() < 2) return;
    const int bank = Przycisk(86)->isChecked() ? 2 : 1;
    Przycisk(85 + bank)->setChecked(true);
    grafika->UstawBank(bank);
    UstawPrzyciskKopii();
}
