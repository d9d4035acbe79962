#pragma once

#include "build/BuildHooks.h"
#include "common/ZepError.h"

#include <QString>

// What the test run asks of the designer's windows.
class TestRunHooks : public BuildHooks
{
public:
    virtual void minimizeWorksheet() = 0;
    virtual void restoreWorksheet() = 0;
    // Shows the test window modally; it starts the player and closes when the player
    // ends or is stopped. An error when the player cannot be started.
    virtual ZepError showTestWindow(const QString &player) = 0;
};
