#pragma once

// A main window on a temporary preferences file, with its timers stopped so that a test
// drives it, and the ways a test talks to it: controller replies, keys, answers to boxes.

#include "RamkaTestowa.h"
#include "TForm1.h"
#include "TSterownik.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

struct TOknoTestowe {
    QTemporaryDir katalog;
    std::unique_ptr<QSettings> ustawienia;
    std::unique_ptr<TForm1> okno;

    // przygotuj fills the preferences before the window reads them.
    explicit TOknoTestowe(const std::function<void(QSettings&)>& przygotuj = {},
                          const TOpcjeOkna& opcje = {}) {
        ustawienia = std::make_unique<QSettings>(katalog.filePath(QStringLiteral("selvar.ini")),
                                                 QSettings::IniFormat);
        if (przygotuj) przygotuj(*ustawienia);
        okno = std::make_unique<TForm1>(*ustawienia, opcje);
        okno->show();
        (void)QTest::qWaitForWindowExposed(okno.get());
        Zegar(QStringLiteral("Timer1"))->stop();
        Zegar(QStringLiteral("Timer2"))->stop();
        s().Zegar().stop();
    }

    TSterownik& s() { return okno->Sterownik(); }
    QTimer* Zegar(const QString& nazwa) {
        return okno->findChild<QTimer*>(nazwa, Qt::FindDirectChildrenOnly);
    }
    template <typename T = QWidget> T* W(const QString& nazwa) {
        return okno->findChild<T*>(nazwa);
    }
    template <typename T = QWidget> T* W(const char* nazwa) {
        return W<T>(QString::fromLatin1(nazwa));
    }

    // The key as the user presses it: at the focused widget, or the window when none has it.
    void Klawisz(int klawisz, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        QWidget* cel = QApplication::focusWidget();
        if (!cel || cel->window() != okno.get()) cel = okno.get();
        QTest::keyClick(cel, Qt::Key(klawisz), shift);
    }

    // The layouts Qt has deferred, done: what the screen shows next.
    static void Ulozone() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void Klik(const QString& nazwa) {
        auto* b = W<QAbstractButton>(nazwa);
        QVERIFY2(b, qPrintable(nazwa));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // A controller reply as the link takes it in: wire bytes into RamkaRx, then decoded.
    // start '6' is a reply of the controller's OBD module.
    bool Odbierz(quint8 kod, const QByteArray& dane, quint8 status = 0, char start = 'V') {
        const QByteArray r = RamkaTestowa::Odpowiedz(kod, dane, status, start);
        std::memcpy(s().RamkaRx, r.constData(), std::size_t(r.size()));
        return s().AnalizaOdbioru(int(r.size()));
    }
};

// Frame contents by frame position: the payload begins at position 6, after the status pair.
struct TRamka {
    QByteArray dane;
    explicit TRamka(int dlugosc) : dane(dlugosc - 6, '\0') {}
    TRamka& operator()(int pozycja, int wartosc) {
        dane[pozycja - 6] = static_cast<char>(wartosc);
        return *this;
    }
};

// The identity reply of an 80-byte controller: model, board generation, channels, version.
inline QByteArray Tozsamosc(int model = 2, int plytka = 3, int kanaly = 4) {
    return TRamka(80)(38, model)(42, plytka)(43, kanaly)(58, 1)(59, 4)(60, 23).dane;
}

// Clicks the given button of the next message box and remembers its text. The box may open
// at once or, when a link asked for it, once the events run; so it is looked for until then.
struct TOdpowiedz {
    QString tekst;
    QStringList przyciski; // captions, in the box's order
    bool pokazano = false;
    // Called while the box is open, before it is answered.
    std::function<void()> wTrakcie;
    QTimer szukanie;

    explicit TOdpowiedz(QMessageBox::StandardButton przycisk) {
        szukanie.setInterval(0);
        QObject::connect(&szukanie, &QTimer::timeout, [this, przycisk] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // A box without that answer is another's: an Ok is not the answer to a question.
            if (!m || pokazano || !m->button(przycisk)) return;
            pokazano = true;
            szukanie.stop();
            tekst = m->text();
            for (QAbstractButton* b : m->buttons())
                przyciski << b->text();
            if (wTrakcie) wTrakcie();
            if (QAbstractButton* b = m->button(przycisk)) b->click();
        });
        szukanie.start();
    }
};
