#pragma once

#include <QProcess>
#include <QString>

// Starts a simulator program found beside this one (or in the build tree) and reads the
// device path it prints on its first line.
class TSymulator {
public:
    explicit TSymulator(const QString& program);
    ~TSymulator();
    TSymulator(const TSymulator&) = delete;
    TSymulator& operator=(const TSymulator&) = delete;

    // Empty when the program is missing or printed no path in time.
    QString Uruchom(const QStringList& argumenty = {});

private:
    QString program;
    QProcess proces;
};
