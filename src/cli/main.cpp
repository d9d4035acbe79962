#include "cli/FormatCommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == u"format"_s)
        return runFormatCommand(arguments.mid(1));
    std::fputs("usage: zepc format FILE\n", stderr);
    return 2;
}
