#pragma once

#include <QByteArray>
#include <QString>

// What a verified write compares: the block as its write request carried it and as two
// agreeing reads returned it.

// The 256 data bytes of a block frame (a write request or a read reply).
QByteArray BlokRamki(const unsigned char* ramka);

// "differs: MapaEcuGaz, 3 bytes, first at 17 (written 0x40, read 0x42)", or empty.
QString Roznica(const QString& nazwa, const QByteArray& zapisany, const QByteArray& odczytany);
