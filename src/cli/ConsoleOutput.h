#pragma once

#include <QString>

struct CompileOutcome;

// zepc speaks UTF-8 on the console: results on stdout, one line per error on stderr.
namespace console {

void out(const QString &line);
void error(const QString &line);
// The end of a command that built something: the outcome's notice on one line when it
// failed or was declined, the summary on stdout when it was written, and the exit code.
int finish(const CompileOutcome &outcome, const QString &summary);

} // namespace console
