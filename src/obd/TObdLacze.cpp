// Sending a command and collecting its answer up to the ">" prompt.

#include "ElmTekst.h"
#include "KoloryObd.h"
#include "TObd.h"

void TObd::Nadaj(const QByteArray& komenda) {
    WyslijBufor(reinterpret_cast<const unsigned char*>(komenda.constData()),
                static_cast<int>(komenda.size()));
}

void TObd::WyslijBufor(const unsigned char* dane, int dlugosc) {
    // With the port gone the command gets no answer at all, never the previous one again.
    Odpowiedz.clear();
    if (!PortConnected()) return;
    // Whatever arrived before the command cannot be part of its answer: the port's queue
    // and an unfinished answer in the buffer (one that came after a time-out) both go.
    PortPurgeRx();
    DlugoscOdb = 0;
    PortWrite(dane, dlugosc);
    CzekaNaOdpowiedz = true;
    CzasOdpowiedzi = CzasNaOdpowiedz;
    DoOnTekst(TekstDoLogu(QByteArrayView(dane, dlugosc)), KoloryObd::Komenda);
}

void TObd::OdbierzBufor() {
    const int n = PortInQueCount();
    if (n <= 0) return;
    const int ile = std::min(n, RozmiarBufora - DlugoscOdb);
    if (ile > 0) {
        const int przeczytane = PortRead(BuforOdb + DlugoscOdb, ile);
        if (przeczytane > 0) DlugoscOdb += przeczytane;
    }
    // The adapter sends nothing after its prompt, so a read ending on it ends the answer.
    if (DlugoscOdb == 0 || BuforOdb[DlugoscOdb - 1] != ZnakZachety) return;
    Odpowiedz = QByteArray(reinterpret_cast<const char*>(BuforOdb), DlugoscOdb);
    DoOnTekst(TekstDoLogu(Odpowiedz), KoloryObd::Odpowiedz);
    DlugoscOdb = 0;
    CzekaNaOdpowiedz = false;
}

void TObd::Powtorz() {
    DoOnTekst(QStringLiteral("Przekroczenie czasu"), KoloryObd::Blad);
    CzekaNaOdpowiedz = false;
    // A partial answer would otherwise be glued to the front of the next one, and a
    // device that never sends a prompt would fill the buffer for good.
    DlugoscOdb = 0;
}

int TObd::Analizuj(const QByteArray& wzor) const {
    return ::Analizuj(Odpowiedz, wzor);
}

bool TObd::CzyBlad() const {
    return ::CzyBlad(Odpowiedz);
}
