#include "cli/ConsoleOutput.h"

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

} // namespace console
