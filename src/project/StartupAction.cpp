#include "project/StartupAction.h"

namespace startup {

bool isScript(const QString &action)
{
    return menuformat::isStartupScript(action);
}

StartupKind kindOf(const QString &action)
{
    if (action.isEmpty())
        return StartupKind::Nothing;
    return isScript(action) ? StartupKind::Script : StartupKind::MultimediaFile;
}

} // namespace startup
