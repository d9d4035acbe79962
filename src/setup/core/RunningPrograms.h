#pragma once

#include <QString>

// Deleting a running program succeeds here, where Windows refuses: the installer asks
// the system whether one of the programs it replaces is still running.
namespace runningprograms {

bool isRunning(const QString &programPath);

} // namespace runningprograms
