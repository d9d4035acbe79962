#pragma once

#include <QStringList>

// zepc check PROJECT.zep
int runCheckCommand(const QStringList &arguments);
// zepc save IN.zep OUT.zep
int runSaveCommand(const QStringList &arguments);
