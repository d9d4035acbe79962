#include "cli/VbsCommand.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == u"vbs"_s)
        return runVbsCommand(arguments.mid(1));
    std::fputs("usage: zepc vbs FILE.vbs\n", stderr);
    return 2;
}
