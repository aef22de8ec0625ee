#pragma once

#include <QProcess>
#include <QString>

#include <functional>

// Starts a simulator program found beside this one (or in the build tree) and makes its
// line reachable through a symbolic link that exists only while the simulator runs.
class TSymulator {
public:
    explicit TSymulator(const QString& program);
    ~TSymulator();
    TSymulator(const TSymulator&) = delete;
    TSymulator& operator=(const TSymulator&) = delete;

    // Starts it with its line linked at lacze; lacze when it came up, empty when the program
    // is missing or printed no path in time.
    QString Uruchom(const QString& lacze);
    // Ends it; the link goes with it.
    void Zakoncz();
    QString Nazwa() const { return nazwa; }
    qint64 Pid() const { return proces.processId(); }

    // Called when it ends by itself, after its link has been removed.
    std::function<void()> OnKoniec;

private:
    void UsunLacze();

    QString nazwa;
    QString program;
    QString lacze;
    QProcess proces;
};
