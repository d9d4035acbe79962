#pragma once

#include "common/ZepError.h"

#include <QString>

// What the test run asks of the designer's windows.
class TestRunHooks
{
public:
    virtual ~TestRunHooks() = default;

    // The parameters panel's preparation: no selection, transparency companions rebuilt.
    virtual void prepareForBuild() = 0;
    // The "Veuillez patienter..." panels of the worksheet and the script editor.
    virtual void showWaitPanels(bool visible) = 0;
    virtual void minimizeWorksheet() = 0;
    virtual void restoreWorksheet() = 0;
    // Shows the test window modally; it starts the player and closes when the player
    // ends or is stopped. An error when the player cannot be started.
    virtual ZepError showTestWindow(const QString &player) = 0;
};
