#pragma once

#include <QString>

struct CompileOutcome;

// zepc speaks UTF-8 on the console.
namespace console {

void out(const QString &line);
void error(const QString &line);
// The end of a command that compiled: its notice on one line, and the exit code.
int finish(const CompileOutcome &outcome);

} // namespace console
