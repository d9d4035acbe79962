#include "setup/core/SetupCommandLine.h"

using namespace Qt::StringLiterals;

SetupCommandLine SetupCommandLine::parse(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    if (arguments.size() == 2 && arguments[0] == u"--silent"_s)
        return {Action::SilentInstall, arguments[1]};
    if (arguments.size() == 2 && arguments.contains(u"--uninstall"_s) && arguments.contains(u"--silent"_s))
        return {Action::SilentUninstall, {}};
    return {Action::Usage, {}};
}

QString SetupCommandLine::usage()
{
    return u"usage: setup [--silent DESTINATION | --uninstall --silent]\n"_s;
}
