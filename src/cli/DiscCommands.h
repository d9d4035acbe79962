#pragma once

#include <QStringList>

// zepc exe PROJECT.zep FOLDER NAME [--light]
int runExeCommand(const QStringList &arguments);
// zepc iso PROJECT.zep OUT.iso [--light]
int runIsoCommand(const QStringList &arguments);
