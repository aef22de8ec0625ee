#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QSettings;

// The user's preferences, as the window keeps them between runs. They live in the group
// "Selvar2" of the settings root the program gives (on Windows HKCU\Software); when that
// group is missing, the older "Karvel" is read instead, and writing always goes to "Selvar2".
struct TPreferencje {
    static constexpr int LiczbaKolorow = 36;

    int Comm = 0;    // controller port number
    int ElmComm = 0; // OBD adapter port number
    int Comp = 3;    // colour scheme
    int Lang = 1;    // language
    int View = 1;    // view level
    // Left, top, width, height; applied only when a group was found.
    QRect Okno{0, 0, 800, 600};
    bool OknoZapisane = false; // the bounds were stored, not defaults
    std::optional<int> WState; // 0 normal, 1 minimised, 2 maximised
    // Colours of the first 36 traces as 0xRRGGBB, where stored.
    std::array<std::optional<std::uint32_t>, LiczbaKolorow> Kolory{};
    // The group the values came from, empty when neither existed.
    QString Zrodlo;
};

// Value names of the trace colours, trace 1 first.
const std::array<QString, TPreferencje::LiczbaKolorow>& NazwyKolorow();

// Missing and unreadable values keep their defaults; ranges are the caller's to check.
TPreferencje CzytajPreferencje(QSettings& korzen);
// Writes every value; the window bounds only when zGranicami (not while maximised).
void ZapiszPreferencje(QSettings& korzen, const TPreferencje& p, bool zGranicami);

// Colours are stored as Windows colour values (0x00BBGGRR), as the older program wrote them.
constexpr std::uint32_t KolorZapisany(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr std::uint32_t KolorOdczytany(std::uint32_t zapisany) {
    return KolorZapisany(zapisany & 0xFFFFFF);
}
