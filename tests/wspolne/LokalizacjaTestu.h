#pragma once

#include <QLocale>

// The default locale for one test, restored whatever the outcome: a failing check returns
// from the test early, and the next test must not inherit the locale.
class TLokalizacjaTestu {
public:
    explicit TLokalizacjaTestu(const QLocale& lokalizacja) { QLocale::setDefault(lokalizacja); }
    ~TLokalizacjaTestu() { QLocale::setDefault(poprzednia); }
    TLokalizacjaTestu(const TLokalizacjaTestu&) = delete;
    TLokalizacjaTestu& operator=(const TLokalizacjaTestu&) = delete;

private:
    const QLocale poprzednia; // QLocale() is the default in force before
};
