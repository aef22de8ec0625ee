#pragma once

#include <QTranslator>

// Qt's own texts (file choosers, the colour chooser, standard buttons) in the program's
// language, from the translations the system's Qt carries.
class TTlumaczQt {
public:
    TTlumaczQt() = default;
    ~TTlumaczQt();
    TTlumaczQt(const TTlumaczQt&) = delete;
    TTlumaczQt& operator=(const TTlumaczQt&) = delete;

    // Language 0 English, 1 Polish, 2 Russian, 3 Spanish. English needs no translation; a
    // language whose files are missing leaves Qt in English. True when one is installed.
    bool Ustaw(int jezyk);

private:
    QTranslator tlumacz;
    bool zainstalowany = false;
    int obecny = 0;
};
