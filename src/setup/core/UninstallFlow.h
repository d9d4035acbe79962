#pragma once

#include "setup/core/SetupPlaces.h"

#include <functional>

class Prompter;

// The uninstallation as the user sees it: the question, the removal, the notice, and
// the clean-up script started last. No notice of success when the script is missing.
class UninstallFlow
{
public:
    using StartScript = std::function<void(const QString &script)>;

    UninstallFlow(SetupPlaces places, QString folder, Prompter &prompter, StartScript startScript);

    static QString caption(); // the backdrop's label, the title of the boxes
    // Shown, before any question, for the root or the home folder.
    static QString refusalText(const QString &folder);

    // False when the user keeps the installation.
    bool run();

private:
    SetupPlaces m_places;
    QString m_folder;
    Prompter &m_prompter;
    StartScript m_startScript;
};
