#pragma once

#include <QStringList>

// zepc compile PROJECT.zep FOLDER [--sub NAME] [--light] [--name N] [--author A] [--force]
int runCompileCommand(const QStringList &arguments);
// zepc menudata PROJECT.zep
int runMenuDataCommand(const QStringList &arguments);
