#pragma once

#include "MenuPortow.h"

#include <functional>

class QAction;
class QMenu;

// A port menu entry on a QAction; the tag travels in the action's data.
class TPozycjaMenuOkna : public TPozycjaMenu {
public:
    explicit TPozycjaMenuOkna(QAction& a) : akcja(a) {}
    int Tag() const override;
    void UstawTag(int tag) override;

private:
    QAction& akcja;
};

// The Connection or ELM menu as the port class fills it: the first action is the
// connect/disconnect item, then a separator, then one radio action per port.
class TMenuPortowOkna : public TMenuPortow {
public:
    // klik: what a port action does when chosen (the link's PortOnClick).
    TMenuPortowOkna(QMenu& menu, std::function<void(QAction&)> klik);
    void UsunPorty() override;
    void DodajPort(const QString& opis, int tag, bool zaznaczony) override;

private:
    QMenu& menu;
    std::function<void(QAction&)> klik;
};
