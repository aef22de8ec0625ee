#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The adapter's end of the serial cable: the master of a pseudo-terminal. The slave is put
// in raw mode and kept open here as well, so the application may close and reopen it
// without the line being hung up. Bytes written go out in order; what the line cannot take
// at once waits for it.
class TPty : public QObject {
    Q_OBJECT
public:
    explicit TPty(QObject* rodzic = nullptr);
    ~TPty() override;
    TPty(const TPty&) = delete;
    TPty& operator=(const TPty&) = delete;

    bool Otworz();
    // Closes both ends: the application's side sees the device go away.
    void Zamknij();
    QString Sciezka() const { return sciezka; }
    void Wyslij(const QByteArray& bajty);

signals:
    void Odebrano(const QByteArray& bajty);

private:
    void Czytaj();
    void Pisz();

    int master = -1;
    int slave = -1;
    QString sciezka;
    QByteArray doWyslania;
    QSocketNotifier* odczyt = nullptr;
    QSocketNotifier* zapis = nullptr;
};
