#pragma once

#include <QString>

// One entry of a port menu as the port class sees it: only its tag matters.
class TPozycjaMenu {
public:
    virtual ~TPozycjaMenu() = default;
    virtual int Tag() const = 0;
    virtual void UstawTag(int tag) = 0;
};

// A port menu: its first entry is the connect/disconnect item, the second a separator;
// the port entries follow. The shell routes clicks on every entry to TSerial::PortOnClick.
class TMenuPortow {
public:
    virtual ~TMenuPortow() = default;
    // Removes every entry after the first two.
    virtual void UsunPorty() = 0;
    // Appends a radio entry of group 1 with automatic check.
    virtual void DodajPort(const QString& opis, int tag, bool zaznaczony) = 0;
};
