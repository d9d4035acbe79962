#include "cli/ConsoleOutput.h"

#include "build/CompileOutcome.h"

#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace console {

void out(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void error(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stderr);
    std::fflush(stderr);
}

int finish(const CompileOutcome &outcome, const QString &summary)
{
    if (outcome.isWritten()) {
        if (!summary.isEmpty())
            out(summary);
        return 0;
    }
    if (outcome.hasNotice()) {
        QStringList lines = QString(outcome.notice.text).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
        error(lines.join(u' '));
    }
    return 1;
}

} // namespace console
