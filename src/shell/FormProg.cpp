#include "FormProg.h"

#include "Komunikat.h"
#include "Kontrolki.h"
#include "ObrazFirmware.h"
#include "OknaPlikow.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int Szerokosc = 640, Wysokosc = 400, WysokoscPostepu = 200;
constexpr int SzerokoscKolumny = 170;
constexpr int KolumnaSciezki = 3;

QString FolderFirmware(const QString& katalog) {
    return QDir(katalog).filePath(QStringLiteral("Firmware"));
}

} // namespace

TFormProg::TFormProg(TSterownik& ster, const TTeksty& tek, TKomunikaty& kom, TOknaPlikow& o,
                     QWidget* rodzic)
    : QDialog(rodzic), s(ster), t(tek), komunikaty(kom), okna(o) {
    setObjectName(QStringLiteral("FormProg"));
    QFont czcionka(QStringLiteral("Tahoma"), 12);
    czcionka.setBold(true);
    setFont(czcionka);
    resize(Szerokosc, Wysokosc);
    label1 = Nowy<QLabel>(QStringLiteral("Label1"), this);
    label1->setWordWrap(true); // a long folder name
    label2 = Nowy<QLabel>(QStringLiteral("Label2"), this);
    label2->setText(QStringLiteral("0%"));
    label2->setMinimumWidth(label2->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    label3 = Nowy<QLabel>(QStringLiteral("Label3"), this);
    panel1 = Nowy<QLabel>(QStringLiteral("Panel1"), this);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);
    for (QLabel* l : {label1, label2, label3, panel1})
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    progressBar1 = Nowy<QProgressBar>(QStringLiteral("ProgressBar1"), this);
    progressBar1->setRange(0, 100);
    progressBar1->setTextVisible(false);
    stringGrid1 = Nowy<QTableWidget>(QStringLiteral("StringGrid1"), this);
    stringGrid1->setColumnCount(4);
    stringGrid1->verticalHeader()->hide();
    stringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    stringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stringGrid1->horizontalHeader()->setDefaultSectionSize(SzerokoscKolumny);
    // The description takes what the version and the date leave.
    stringGrid1->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    QFont siatka = font();
    siatka.setPixelSize(13);
    stringGrid1->setFont(siatka);
    bitBtn1 = Nowy<QPushButton>(QStringLiteral("BitBtn1"), this);
    bitBtn1->setText(QStringLiteral("OK"));
    bitBtn2 = Nowy<QPushButton>(QStringLiteral("BitBtn2"), this);
    timer1.setObjectName(QStringLiteral("Timer1"));
    timer1.setParent(this);
    timer1.setSingleShot(true);

    auto* wersja = new QHBoxLayout;
    wersja->addWidget(label3);
    wersja->addWidget(panel1, 1);
    auto* postep = new QHBoxLayout;
    postep->addWidget(progressBar1, 1);
    postep->addWidget(label2);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(bitBtn2);
    przyciski->addWidget(bitBtn1);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->setSpacing(4);
    uklad->addLayout(wersja);
    uklad->addWidget(label1);
    uklad->addWidget(stringGrid1, 1);
    uklad->addLayout(postep);
    uklad->addLayout(przyciski);

    connect(bitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(bitBtn2, &QPushButton::clicked, this, [this] { Wgraj(); });
    connect(&timer1, &QTimer::timeout, this, [this] { Timer1OnTimer(); });
}

QString TFormProg::DomyslnyKatalog() {
    const QString obok = FolderFirmware(QCoreApplication::applicationDirPath());
    if (QFileInfo(obok).isDir()) return obok;
    const QDir dane(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return FolderFirmware(dane.filePath(QStringLiteral("Selvar2")));
}

void TFormProg::Przygotuj(const TPaleta& paleta, const QString& tytul) {
    UstawTlo(this, paleta.Tlo, paleta.KolorDialogu);
    setWindowTitle(tytul);
    label3->setText(t.PodajTekst(1334) + QLatin1Char(':'));
    bitBtn2->setText(t.PodajTekst(1369));
    stringGrid1->setHorizontalHeaderLabels(
        {t.PodajTekst(1368), t.PodajTekst(1347), t.PodajTekst(1371), QString()});
}

void TFormProg::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!aktualizuje) Pokaz();
}

void TFormProg::Pokaz() {
    aktualizuje = false;
    timer1.stop();
    resize(width(), Wysokosc);
    stringGrid1->show();
    bitBtn1->show();
    bitBtn2->show();
    label1->setText(t.PodajTekst(1361));
    const QString nazwa = s.StrNazwaSterownika();
    setWindowTitle((nazwa.isEmpty() ? QStringLiteral("SELVAR") : nazwa) + QStringLiteral(" - ") +
                   t.PodajTekst(1360));
    // What the controller on the line said, never a loaded file's copy.
    const unsigned char* ident = s.IdentZLacza();
    if (ident && ident[5] == 0)
        panel1->setText(QLatin1Char('v') + s.StrWersjaCyframi(9));
    else if (ident && ident[5] == 1 && !s.FlashUzbrojony)
        panel1->setText(t.PodajTekst(1365));
    else
        panel1->clear();
    Lista();
}

void TFormProg::Lista() {
    stringGrid1->setRowCount(0);
    const unsigned char* ident = s.IdentZLacza();
    const QDir folder(Katalog);
    for (const QFileInfo& plik : folder.entryInfoList(QDir::Files, QDir::Name)) {
        // A file too short for the whole image, or too long, would only be refused on upload.
        if (!ident || plik.size() < ObrazFirmware::RozmiarPelny ||
            plik.size() > ObrazFirmware::MaksRozmiar)
            continue;
        const QByteArray naglowek = ObrazFirmware::CzytajNaglowek(plik.filePath());
        if (!ObrazFirmware::Zgodny(naglowek, ident)) continue;
        const int w = stringGrid1->rowCount();
        stringGrid1->insertRow(w);
        const QStringList komorki{ObrazFirmware::StrWersja(naglowek),
                                  ObrazFirmware::StrData(naglowek), plik.fileName(),
                                  plik.filePath()};
        for (int k = 0; k < komorki.size(); ++k)
            stringGrid1->setItem(w, k, new QTableWidgetItem(komorki[k]));
    }
    stringGrid1->setColumnWidth(KolumnaSciezki, 0);
    stringGrid1->setColumnHidden(KolumnaSciezki, true);
    if (stringGrid1->rowCount() > 0)
        stringGrid1->selectRow(stringGrid1->rowCount() - 1);
    else if (ident)
        label1->setText(t.PodajTekst(2122).arg(QDir::toNativeSeparators(Katalog)));
}

QString TFormProg::WybierzPlik() {
    const int w = stringGrid1->currentRow();
    const QTableWidgetItem* komorka = w >= 0 ? stringGrid1->item(w, KolumnaSciezki) : nullptr;
    if (komorka && QFileInfo::exists(komorka->text())) return komorka->text();
    TDialogPliku d;
    d.filtr = t.PodajTekst(1114) + QStringLiteral(" (*.img)|*.img|") + t.PodajTekst(1110) +
              QStringLiteral(" (*.*)|*.*");
    d.rozszerzenie = QStringLiteral("img");
    // The folder the list comes from, made if need be so that images can be put there.
    if (QDir().mkpath(Katalog)) d.katalog = Katalog;
    return okna.Otworz(d);
}

void TFormProg::Wgraj() {
    const QString sciezka = WybierzPlik();
    const unsigned char* ident = s.IdentZLacza();
    if (sciezka.isEmpty() || !ident) return;
    const QByteArray naglowek = ObrazFirmware::CzytajNaglowek(sciezka);
    if (!ObrazFirmware::Zgodny(naglowek, ident)) return;
    // The blocks of an update cut off by the watchdog still go out until the link is opened
    // again; a second image cannot start in the middle of them.
    if (s.FlashZapis) {
        komunikaty.Komunikat(1374, TKomunikaty::Blad);
        return;
    }
    if (komunikaty.KomunikatTekst(Pytanie(naglowek, ident), TKomunikaty::Pytanie) !=
        TKomunikaty::Tak)
        return;
    Zmniejsz();
    if (s.Aktualizacja(1, sciezka)) return;
    timer1.stop();
    komunikaty.Komunikat(1362, TKomunikaty::Blad);
    Pokaz();
}

// An update cannot be taken back on the spot: the installer confirms which version goes in,
// warned when it is older than the one running.
QString TFormProg::Pytanie(const QByteArray& naglowek, const unsigned char* ident) const {
    const QString nowa = ObrazFirmware::StrWersja(naglowek);
    if (ident[5] != 0) return t.PodajTekst(2121).arg(nowa);
    const QString pytanie = t.PodajTekst(2120).arg(ObrazFirmware::StrWersjaSterownika(ident), nowa);
    if (!ObrazFirmware::Starszy(naglowek, ident)) return pytanie;
    return t.PodajTekst(1366) + QLatin1Char('\n') + pytanie;
}

void TFormProg::Zmniejsz() {
    aktualizuje = true;
    stringGrid1->hide();
    bitBtn1->hide();
    bitBtn2->hide();
    label1->setText(t.PodajTekst(1363));
    resize(width(), WysokoscPostepu);
    progressBar1->setValue(0);
    label2->setText(QStringLiteral("0%"));
    timer1.start(CzasStraznikaMs);
}

void TFormProg::Potwierdzenie() {
    if (!aktualizuje) return;
    timer1.start(CzasStraznikaMs);
    Postep();
    if (s.LicznikBlokow >= ObrazFirmware::LiczbaBlokow) {
        aktualizuje = false;
        timer1.stop();
        accept();
    }
}

void TFormProg::Postep() {
    const int procent = s.LicznikBlokow * 100 / ObrazFirmware::LiczbaBlokow;
    progressBar1->setValue(procent);
    label2->setText(QString::number(procent) + QLatin1Char('%'));
}

void TFormProg::Timer1OnTimer() {
    timer1.stop();
    aktualizuje = false;
    komunikaty.Komunikat(1370, TKomunikaty::Blad);
    reject();
}

// While blocks go out the dialog stays: closing it would hide the only sign of the update.
void TFormProg::closeEvent(QCloseEvent* zdarzenie) {
    if (aktualizuje) {
        zdarzenie->ignore();
        return;
    }
    timer1.stop();
    QDialog::closeEvent(zdarzenie);
}

void TFormProg::reject() {
    if (aktualizuje) return;
    timer1.stop();
    QDialog::reject();
}
