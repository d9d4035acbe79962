#pragma once

#include "common/ZepError.h"
#include "setup/core/SetupPlaces.h"

#include <QStringList>

class InstallObserver;

// Copies the package into the destination folder and creates its entries.
class Installation
{
public:
    // `destination` is an acceptable folder ending with "/".
    Installation(SetupPlaces places, QString destination, InstallObserver &observer);

    // Creates the destination and removes the programs it replaces. A failure here
    // (a designer of that folder still running) ends the installation.
    ZepError prepare();
    // Copies the package, creates the menu group and desktop entries, the uninstall
    // record and the list of the files written. Failures from here on leave a file
    // missing and go on.
    void install();

    // The program files of the package an earlier installation left.
    static QStringList replacedPrograms();

private:
    void copyPackage();
    // Both record the files they wrote, by their path inside the destination.
    void copyFile(const QString &from, const QString &relative);
    void copyFolder(const QString &from, const QString &relative);
    void createEntries();

    SetupPlaces m_places;
    QString m_destination;
    InstallObserver &m_observer;
    QStringList m_written; // an earlier installation's files first
};
