#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// One JSON object a line for every command the adapter took, written when its answer has
// gone out and flushed at once, so that a test can follow the file while the simulator runs:
//   {"t":1.204,"rx":"010C","tx":"7E8 04 41 0C 1A F8 \r\r>"}
// t: seconds since start when the command's CR arrived; rx: the command as received
// without its CR; tx: the bytes sent in answer, the echo left out.
class TDziennik {
public:
    bool Otworz(const QString& sciezka);
    void Zapisz(double t, const QByteArray& rx, const QByteArray& tx);

    static QByteArray Linia(double t, const QByteArray& rx, const QByteArray& tx);

private:
    QFile plik;
};
