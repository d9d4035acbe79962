#pragma once

#include "cli/CommandLine.h"

#include <QList>
#include <QString>

// Every zepc command with how it is called and what it does; --help and the manual
// page say the same.
struct Command
{
    CommandSyntax syntax;
    QString description;
    int (*run)(const CommandLine &);
};

const QList<Command> &commands();
// The whole --help text, lines within 80 columns.
QString helpText();
// The first usage line, shown again with every usage error.
QString usageLine();
