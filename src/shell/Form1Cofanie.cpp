// The Edit menu (undo and redo of the installer's changes to the controller) and the
// configurations kept from the car, offered in the File menu.

#include "Komunikat.h"
#include "OpisKroku.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TSterownik.h"
#include "ZnacznikDzialan.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

namespace {

// The steps under the two items: what the next undos would do, newest first.
constexpr int PokazaneKroki = 10;

QString BezOpisu(const QString& tekst) {
    return tekst.section(QLatin1Char(':'), 0, 0);
}

// The map view's focus holder is a line edit, whose own undo would take Ctrl+Z and Ctrl+Y
// from the Edit menu; there is no text in it to undo.
class TSkrotyDlaMenu : public QObject {
public:
    TSkrotyDlaMenu(QList<QAction*> a, QObject* rodzic) : QObject(rodzic), akcje(std::move(a)) {}

protected:
    bool eventFilter(QObject*, QEvent* zdarzenie) override {
        if (zdarzenie->type() != QEvent::ShortcutOverride) return false;
        const QKeySequence klawisz(static_cast<QKeyEvent*>(zdarzenie)->keyCombination());
        for (const QAction* a : akcje)
            if (a->shortcuts().contains(klawisz)) return true;
        return false;
    }

private:
    QList<QAction*> akcje;
};

} // namespace

void TForm1::UtworzCofanie() {
    znacznikDzialan = std::make_unique<TZnacznikDzialan>(sterownik->Cofanie, nullptr);
    const QList<QAction*> akcje = {Akcja(QStringLiteral("MenuUndo")),
                                   Akcja(QStringLiteral("MenuRedo"))};
    grafika->UchwytFokusu()->installEventFilter(new TSkrotyDlaMenu(akcje, grafika));
}

void TForm1::ZbudujMenuEdycji(QMenuBar* pasek) {
    menuEdycji = pasek->addMenu(QString());
    menuEdycji->setObjectName(QStringLiteral("MenuEdit"));
    menuEdycji->menuAction()->setObjectName(QStringLiteral("MenuEdit"));
    // Shortcuts of the window's menu fire before the window's key filter sees the key.
    QAction* cofnij = menuEdycji->addAction(QString());
    cofnij->setObjectName(QStringLiteral("MenuUndo"));
    cofnij->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(cofnij, &QAction::triggered, this, [this] { CofnijZmiane(true); });
    QAction* ponow = menuEdycji->addAction(QString());
    ponow->setObjectName(QStringLiteral("MenuRedo"));
    ponow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(ponow, &QAction::triggered, this, [this] { CofnijZmiane(false); });
    menuEdycji->addSeparator();
    connect(menuEdycji, &QMenu::aboutToShow, this, [this] { NapisyEdycji(); });
}

void TForm1::NapisyEdycji() {
    menuEdycji->setTitle(PodajTekst(1827));
    menuBar()->findChild<QMenu*>(QStringLiteral("MenuFileOriginals"))->setTitle(PodajTekst(1845));
    const TCofanie& c = sterownik->Cofanie;
    const QLocale jezyk;
    const auto napis = [&](int id, const auto& kroki) {
        return kroki.empty() ? BezOpisu(PodajTekst(id))
                             : PodajTekst(id).arg(OpisKroku(*sterownik, kroki.back(), jezyk));
    };
    Akcja(QStringLiteral("MenuUndo"))->setText(napis(1828, c.Kroki()));
    Akcja(QStringLiteral("MenuRedo"))->setText(napis(1829, c.Ponowienia()));
    for (QAction* a : menuEdycji->actions())
        if (a->objectName().startsWith(QLatin1String("MenuStep"))) delete a;
    const int ile = std::min<int>(PokazaneKroki, int(c.Kroki().size()));
    for (int i = 0; i < ile; ++i) {
        QAction* a = menuEdycji->addAction(
            OpisKroku(*sterownik, c.Kroki()[c.Kroki().size() - 1 - size_t(i)], jezyk));
        a->setObjectName(QStringLiteral("MenuStep%1").arg(i));
        a->setEnabled(false);
    }
}

void TForm1::CofnijZmiane(bool wstecz) {
    TCofanie& c = sterownik->Cofanie;
    if (!(wstecz ? c.Cofnij() : c.Ponow())) {
        QApplication::beep();
        return;
    }
    PoZmianieDanych();
}

void TForm1::PoZmianieDanych() {
    if (nastawy->isVisible()) nastawy->Rozmiesc();
    if (grafika->isVisible()) grafika->Rysuj();
}

void TForm1::ZbudujMenuOryginalow(QMenu* plik) {
    QMenu* menu = plik->addMenu(QString());
    menu->setObjectName(QStringLiteral("MenuFileOriginals"));
    menu->menuAction()->setObjectName(QStringLiteral("MenuFileOriginals"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListaOryginalow(*menu); });
}

void TForm1::ListaOryginalow(QMenu& menu) {
    menu.clear();
    if (!sterownik->PortConnected()) return;
    const QLocale jezyk;
    for (const TOryginaly::TPlik& p : sterownik->Oryginaly.Pliki()) {
        const QString kiedy = jezyk.toString(p.kiedy, QLocale::ShortFormat);
        QAction* a = menu.addAction(PodajTekst(p.oryginal ? 1846 : 1847).arg(kiedy));
        connect(a, &QAction::triggered, this, [this, s = p.sciezka] { WczytajOryginal(s); });
    }
}

void TForm1::WczytajOryginal(const QString& sciezka) {
    const QString pytanie = PodajTekst(1848).arg(QFileInfo(sciezka).fileName());
    if (komunikaty.KomunikatTekst(pytanie, TKomunikaty::Pytanie) != TKomunikaty::Tak) return;
    const TDzialanie dzialanie(sterownik->Cofanie);
    sterownik->CzytajUstawieniaZPliku(sciezka);
    PoZmianieDanych();
}
