#pragma once

#include <QStringList>

// zepc format FILE: one formatter pass over a Windows-1252 file, printed as UTF-8.
// arguments are those after "format". Returns the exit status.
int runFormatCommand(const QStringList &arguments);
