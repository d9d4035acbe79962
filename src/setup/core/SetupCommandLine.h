#pragma once

#include <QStringList>

// setup                        the installer's windows
// setup --silent DEST          installs into DEST without a question
// setup --uninstall --silent   removes the installation the program lies in
struct SetupCommandLine
{
    enum class Action { Windows, SilentInstall, SilentUninstall, Usage };

    Action action = Action::Windows;
    QString destination;

    static SetupCommandLine parse(const QStringList &arguments);
    static QString usage();
};
