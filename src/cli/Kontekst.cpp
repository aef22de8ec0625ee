#include "Kontekst.h"

#include "Porty.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <csignal>

namespace {

volatile std::sig_atomic_t przerwanie = 0;

void NaPrzerwanie(int) {
    przerwanie = 1;
}

constexpr int OkresSprawdzaniaMs = 20;

} // namespace

TKontekst::TKontekst(const TOpcjeCli& o) : opcje(o), konsola(teksty, o.cicho) {
    teksty.Wczytaj();
    teksty.UstawJezyk(o.jezyk);
    CzytajPrzypisania(mapa);
}

bool TKontekst::WolnoZapisac(const QString& plik) const {
    if (opcje.nadpisz || !QFileInfo::exists(plik)) return true;
    konsola.Zglos(QStringLiteral("%1 exists; --force overwrites it").arg(plik));
    return false;
}

void Czekaj(const std::function<bool()>& koniec) {
    if (koniec()) return;
    QEventLoop petla;
    QTimer sprawdzanie;
    QObject::connect(&sprawdzanie, &QTimer::timeout, &petla, [&] {
        if (koniec()) petla.quit();
    });
    sprawdzanie.start(OkresSprawdzaniaMs);
    petla.exec();
}

void LapPrzerwanie() {
    std::signal(SIGINT, NaPrzerwanie);
}

bool Przerwano() {
    return przerwanie != 0;
}
