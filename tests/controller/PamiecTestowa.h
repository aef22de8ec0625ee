#pragma once

// A controller played by the test over the bench's pseudo-terminal: it holds its blocks,
// answers reads from them, stores writes into them and acknowledges them, and answers live
// polls with a quiet frame that may carry one map cell it "learned".

#include "Bloki.h"
#include "Stanowisko.h"

#include <QTest>

#include <functional>
#include <map>

struct TPamiecTestowa {
    TStanowisko& st;
    QByteArray kodKreskowy = QByteArrayLiteral("5901234000123456");
    std::map<int, QByteArray> bloki; // by the block's bit
    QByteArray komorka;              // map, cell, value of the next live reply
    std::function<void()> fabryczne; // what its own factory reset changes

    explicit TPamiecTestowa(TStanowisko& stanowisko, char wypelnienie = 100) : st(stanowisko) {
        for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc)
            bloki[b.bit] = QByteArray(256, wypelnienie);
        bloki[7].fill('\0'); // an empty history
    }

    unsigned char Bajt(int bit, int i) const {
        return static_cast<unsigned char>(bloki.at(bit)[i]);
    }

    QByteArray Odpowiedz(const TZadanie& z) {
        using RamkaTestowa::Odpowiedz;
        const auto kod = static_cast<std::uint8_t>(z.kod);
        if (kod == 0x81) return Odpowiedz(kod, kodKreskowy + QByteArray(60 - 16, '\0'));
        if (kod >= 0x90 && kod <= 0x9F) {
            QByteArray dane(86, '\0');
            if (!komorka.isEmpty()) dane.replace(1, 3, std::exchange(komorka, {}));
            return Odpowiedz(kod, dane);
        }
        if (kod == 0x89 && fabryczne) fabryczne();
        if (const Bloki::TOpisBloku* b = Bloki::PoKodzieOdczytu(kod))
            return Odpowiedz(kod, bloki[b->bit]);
        if (const Bloki::TOpisBloku* b = Bloki::PoKodzieZapisu(kod))
            bloki[b->bit] = z.dane.mid(2, 256);
        return Odpowiedz(kod);
    }

    // Answers every request until the condition holds; false when it did not within the slots.
    bool ObsluzAz(const std::function<bool()>& warunek, int maksSlotow = 200) {
        for (int i = 0; i < maksSlotow; ++i) {
            if (warunek()) return true;
            if (const auto z = st.Slot()) st.pty.Wyslij(Odpowiedz(*z));
        }
        return warunek();
    }

    // The link has nothing of the controller's blocks on its way or awaited.
    bool Spokojnie() const {
        const TSterownik& s = *st.s;
        return s.DoOdczytu == 0 && s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && s.Rozkazy == 0 &&
               !s.Fabryczne;
    }

    // Opens the port and serves the identity and every read a fresh connection posts.
    bool Polacz() {
        st.zdarzenia.clear();
        return st.Otworz() && ObsluzAz([this] { return st.BylaOdpowiedz(0x81) && Spokojnie(); });
    }
    bool Obsluz() {
        return ObsluzAz([this] { return Spokojnie(); });
    }
};
