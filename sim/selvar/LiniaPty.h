#pragma once

#include "Bajty.h"
#include "Zaklocenia.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QSocketNotifier;

// The controller's end of the cable: the master side of a pseudo-terminal. The slave side
// is set raw and held open here too, so that the application may close and reopen it
// without hanging the line up. Replies go out piece by piece at their planned times and
// never overtake each other.
class TLiniaPty : public QObject {
    Q_OBJECT
public:
    // lacze: a symbolic link kept pointing at the current slave device; may be empty.
    explicit TLiniaPty(QString lacze, QObject* rodzic = nullptr);
    ~TLiniaPty() override;

    // False when the link's path is taken by something that is not a link.
    bool LaczeDozwolone() const;
    bool Otworz();
    // Hangs the line up: the application's side sees the device go away.
    void Zamknij();
    bool Otwarta() const { return master >= 0; }
    QString Sciezka() const { return sciezka; }
    // Bytes sent that no program on the other end has read yet.
    int Nieodebrane() const;

    void Wyslij(const std::vector<TKawalek>& kawalki);

signals:
    void Odebrano(const TBajty& bajty);

private:
    struct TPlanowany {
        TBajty dane;
        qint64 kiedyMs;
    };

    void Czytaj();
    void Pisz();
    void UstawLacze();
    void UsunLacze();

    QString lacze;
    QString sciezka;
    int master = -1;
    int slave = -1;
    QSocketNotifier* czytanie = nullptr;
    QSocketNotifier* pisanie = nullptr;
    QTimer zegar;
    QElapsedTimer czas;
    std::deque<TPlanowany> kolejka;
};
