// The main menu: building it and what its items do.

#include "FormDevice.h"
#include "FormProg.h"
#include "FormService.h"
#include "Kontrolki.h"
#include "MenuPortowOkna.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TScope.h"
#include "TSterownik.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>

namespace {

QAction* NowaAkcja(QMenu* menu, const QString& nazwa, int tag = 0) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(nazwa);
    a->setData(tag);
    return a;
}

QMenu* NoweMenu(QMenuBar* pasek, const QString& nazwa, const QString& napis = {}) {
    QMenu* m = pasek->addMenu(napis);
    m->setObjectName(nazwa);
    m->menuAction()->setObjectName(nazwa);
    return m;
}

// Radio items of one group; each item's tag is its index.
void Wybor(QMenu* menu, const QString& przedrostek, int ile,
           const std::function<void(int)>& wybrano) {
    auto* grupa = new QActionGroup(menu);
    for (int i = 0; i < ile; ++i) {
        QAction* a = NowaAkcja(menu, przedrostek + QString::number(i), i);
        a->setCheckable(true);
        a->setActionGroup(grupa);
        QObject::connect(a, &QAction::triggered, menu, [wybrano, i] { wybrano(i); });
    }
}

} // namespace

QAction* TForm1::Akcja(const QString& nazwa) const {
    return menuBar()->findChild<QAction*>(nazwa);
}

void TForm1::ZbudujMenu() {
    QMenuBar* pasek = menuBar();
    pasek->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* plik = NoweMenu(pasek, QStringLiteral("MenuFile"));
    connect(NowaAkcja(plik, QStringLiteral("MenuFileInfo")), &QAction::triggered, this,
            [this] { OtworzUrzadzenie(); });
    connect(NowaAkcja(plik, QStringLiteral("MenuFileServis")), &QAction::triggered, this,
            [this] { OtworzSerwis(); });
    connect(NowaAkcja(plik, QStringLiteral("MenuFileFirmware")), &QAction::triggered, this,
            [this] { OtworzFirmware(); });
    plik->addSeparator();
    connect(NowaAkcja(plik, QStringLiteral("MenuFileRead")), &QAction::triggered, this,
            [this] { CzytajPlik(); });
    connect(NowaAkcja(plik, QStringLiteral("MenuFileSave")), &QAction::triggered, this,
            [this] { ZapiszPlik(); });
    ZbudujMenuOryginalow(plik);
    plik->addSeparator();
    connect(NowaAkcja(plik, QStringLiteral("MenuFile5")), &QAction::triggered, this, [this] {
        scope->Komenda(5);
        Przycisk(54)->setChecked(true);
        zakladkaWybrana = true;
        WybierzZakladke(4);
    });
    connect(NowaAkcja(plik, QStringLiteral("MenuFile6")), &QAction::triggered, this,
            [this] { KomendaOscyloskopu(4); });
    connect(NowaAkcja(plik, QStringLiteral("MenuFile7")), &QAction::triggered, this,
            [this] { scope->EksportCsv(); });

    ZbudujMenuEdycji(pasek);

    menuConn = NoweMenu(pasek, QStringLiteral("MenuConn"));
    ZbudujMenuPortow(menuConn, QStringLiteral("MenuConn0"), *sterownik);
    menuElm = NoweMenu(pasek, QStringLiteral("MenuElm"), QStringLiteral("ELM"));
    ZbudujMenuPortow(menuElm, QStringLiteral("MenuElm0"), *obd);

    Wybor(NoweMenu(pasek, QStringLiteral("MenuLang")), QStringLiteral("MenuLang"), 4,
          [this](int i) { UstawJezyk(i); });
    Wybor(NoweMenu(pasek, QStringLiteral("MenuView")), QStringLiteral("MenuView"), 3,
          [this](int i) { UstawPoziomWidoku(i); });
    Wybor(NoweMenu(pasek, QStringLiteral("MenuColor")), QStringLiteral("MenuColor"), 6,
          [this](int i) { UstawSchemat(i); });

    QMenu* dok = NoweMenu(pasek, QStringLiteral("MenuDoc"));
    const QList<std::pair<QString, QString>> foldery = {
        {QStringLiteral("MenuDocMan"), QStringLiteral("Manual")},
        {QStringLiteral("MenuDocSch"), QStringLiteral("Diagram")},
        {QStringLiteral("MenuDocCon"), QStringLiteral("Pinout")}};
    for (const auto& [nazwa, folder] : foldery)
        connect(NowaAkcja(dok, nazwa), &QAction::triggered, this,
                [this, f = folder] { OtworzDokumentacje(f); });
    ZbudujMenuAdmin();
}

void TForm1::ZbudujMenuPortow(QMenu* menu, const QString& nazwaPierwszej, TSerial& lacze) {
    QAction* pierwsza = NowaAkcja(menu, nazwaPierwszej, 0);
    menu->addSeparator();
    auto klik = [&lacze](QAction& a) {
        TPozycjaMenuOkna pozycja(a);
        lacze.PortOnClick(pozycja);
    };
    menuPortow.push_back(std::make_unique<TMenuPortowOkna>(*menu, klik));
    TMenuPortowOkna* porty = menuPortow.back().get();
    connect(pierwsza, &QAction::triggered, this, [klik, pierwsza] { klik(*pierwsza); });
    // The first item says what it will do; the ports are listed as they are now.
    connect(menu, &QMenu::aboutToShow, this, [this, pierwsza, porty, &lacze] {
        pierwsza->setText(PodajTekst(lacze.PortConnected() ? 1119 : 1118));
        lacze.PortList(*porty);
    });
}

void TForm1::OtworzUrzadzenie() {
    formDevice->Przygotuj(paleta, QStringLiteral("SELVAR - ") + PodajTekst(1330));
    formDevice->exec();
}

void TForm1::OtworzSerwis() {
    formService->Przygotuj(paleta, QStringLiteral("SELVAR - ") + PodajTekst(1340));
    formService->exec();
}

void TForm1::OtworzFirmware() {
    formProg->Przygotuj(paleta, QStringLiteral("SELVAR - ") + PodajTekst(1360));
    formProg->exec();
}

// After the link's box that tells of it, so that the dialog does not open under the box.
void TForm1::OfertaFirmware() {
    if (ofertaFirmware || !sterownik->PortConnected()) return;
    ofertaFirmware = true;
    komunikatyLaczy.PoKomunikatach([this] { OfertaPoZamknieciu(); });
}

void TForm1::OtworzDokumentacje(const QString& folder) {
    const QString sciezka = QDir(QCoreApplication::applicationDirPath()).filePath(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(sciezka));
}

void TForm1::CzytajPlik() {
    const TDzialanie dzialanie(sterownik->Cofanie);
    sterownik->CzytajUstawienia();
    if (nastawy->isVisible()) nastawy->Rozmiesc();
    if (grafika->isVisible()) grafika->Rysuj();
}

void TForm1::ZapiszPlik() {
    sterownik->ZapiszUstawienia();
}
