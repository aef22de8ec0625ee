// The settings editor's pop-ups: the value list of a choice and the trouble-code entry.

#include "TNastawy.h"

#include "TSterownik.h"
#include "TekstyNastaw.h"
#include "ZaleznosciNastaw.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace {

const QColor TloPopupu(255, 235, 172);

void Pokoloruj(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, TloPopupu);
    p.setColor(QPalette::Text, Qt::black);
    w->setPalette(p);
}

} // namespace

void TNastawy::OtworzListe(int indeks, const QRect& komorka, const TStrefy& x) {
    if (!lista) {
        lista = new QListWidget(this);
        lista->setObjectName(QStringLiteral("ListaWartosci"));
        Pokoloruj(lista);
        lista->installEventFilter(this);
        const auto wybierz = [this](QListWidgetItem* p) { WybierzZListy(lista->row(p)); };
        connect(lista, &QListWidget::itemPressed, this, wybierz);
        connect(lista, &QListWidget::itemActivated, this, wybierz);
    }
    ZamknijPopupy();
    QFont f = font();
    f.setPointSize(rozmiarCzcionki);
    lista->setFont(f);
    lista->clear();
    const TNastawa& n = s.ListaNastaw[indeks];
    int najszersza = 0;
    for (int v = n.Min; v <= n.Max; ++v) {
        const QString t = StrWartosc(indeks, v);
        lista->addItem(t);
        najszersza = std::max(najszersza, QFontMetrics(f).horizontalAdvance(t));
    }
    const int szerokosc = std::max(x[PoczatekPlusa] - x[PoczatekPola], najszersza + 8);
    const int wysokoscPozycji = std::max(1, lista->sizeHintForRow(0));
    lista->setGeometry(PolozenieListy(komorka, x[PoczatekPola], szerokosc, lista->count(),
                                      wysokoscPozycji, height()));
    lista->setCurrentRow(Wartosc(indeks) - n.Min);
    tagListy = indeks;
    lista->show();
    lista->raise();
    lista->setFocus();
    update();
}

void TNastawy::WybierzZListy(int pozycja) {
    const int indeks = tagListy;
    ZamknijPopupy();
    if (indeks > 0 && pozycja >= 0)
        UstawNastawe(indeks, pozycja + s.ListaNastaw[indeks].Min, TrybZakresu);
    setFocus();
}

void TNastawy::OtworzKod(int indeks, const QRect& komorka, const TStrefy& x) {
    if (!edycjaKodu) {
        edycjaKodu = new QLineEdit(this);
        edycjaKodu->setObjectName(QStringLiteral("EdycjaKodu"));
        edycjaKodu->setMaxLength(5);
        Pokoloruj(edycjaKodu);
        edycjaKodu->installEventFilter(this);
    }
    ZamknijPopupy();
    QFont f = font();
    f.setPointSize(rozmiarCzcionki);
    f.setBold(true);
    edycjaKodu->setFont(f);
    edycjaKodu->setGeometry(x[PoczatekPola] - 1, komorka.top(),
                            x[KoniecPrzyciskow] - x[PoczatekPola] + 2, komorka.height());
    edycjaKodu->setText(Wartosc(indeks) != 0 ? StrWartosc(indeks) : QStringLiteral("P"));
    tagKodu = indeks;
    edycjaKodu->show();
    edycjaKodu->raise();
    edycjaKodu->setFocus();
}

void TNastawy::ZamknijPopupy() {
    const bool byly = PopupOtwarty();
    tagListy = tagKodu = 0;
    if (lista) lista->hide();
    if (edycjaKodu) edycjaKodu->hide();
    if (byly) update();
}

void TNastawy::KlawiszKodu(int klawisz) {
    if (tagKodu == 0 || !edycjaKodu) return;
    const int indeks = tagKodu;
    const QString tekst = edycjaKodu->text().trimmed();
    const bool enter = klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter;
    if ((enter && tekst.isEmpty()) || klawisz == Qt::Key_Delete) {
        ZamknijPopupy();
        UstawNastawe(indeks, 0, TrybKodu);
    } else if (klawisz == Qt::Key_Escape) {
        ZamknijPopupy();
    } else if (klawisz >= Qt::Key_Left && klawisz <= Qt::Key_Down) {
        return;
    } else if (tekst.size() == 5) {
        const std::optional<int> kod = KodBleduZTekstu(tekst);
        if (!kod) return;
        ZamknijPopupy();
        UstawNastawe(indeks, *kod, TrybKodu);
    } else {
        return;
    }
    setFocus();
}

bool TNastawy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    const bool popup = obiekt == lista || obiekt == edycjaKodu;
    if (!popup) return QWidget::eventFilter(obiekt, zdarzenie);
    // A click in the editor decides itself whether a pop-up stays open.
    if (zdarzenie->type() == QEvent::FocusOut && QApplication::focusWidget() != this)
        ZamknijPopupy();
    if (zdarzenie->type() == QEvent::KeyPress && obiekt == edycjaKodu)
        KlawiszKodu(static_cast<QKeyEvent*>(zdarzenie)->key());
    if (zdarzenie->type() == QEvent::KeyPress && obiekt == lista &&
        static_cast<QKeyEvent*>(zdarzenie)->key() == Qt::Key_Escape) {
        ZamknijPopupy();
        setFocus();
        return true;
    }
    return false;
}
