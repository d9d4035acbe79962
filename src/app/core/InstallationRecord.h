#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class SettingsStore;

// The facts about the installation that the main window records in section "General"
// each time it is created.
struct InstallationRecord
{
    QString programFolder; // ends with "/"
    QString programFileName;
    QString version; // major + "." + minor
    QString time;    // "DernHeure"
    QString date;    // "DernDate"

    // The running program's record at the given moment, time and date as the locale writes them.
    static InstallationRecord current(const QDateTime &now, const QLocale &locale = QLocale());

    void write(SettingsStore &store) const;

    bool operator==(const InstallationRecord &) const = default;
};
