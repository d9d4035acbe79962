#include "cli/ConsoleOutput.h"

#include "build/CompileOutcome.h"
#include "prompt/ConsolePrompter.h"

#include <cstdio>

namespace console {

void out(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
}

void error(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stderr);
}

int finish(const CompileOutcome &outcome)
{
    if (outcome.hasNotice())
        ConsolePrompter().message(outcome.notice);
    return outcome.isWritten() ? 0 : 1;
}

} // namespace console
