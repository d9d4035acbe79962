#include "player/core/MenuModel.h"

#include "format/MenuFormat.h"
#include "player/core/AsciiCase.h"

bool MenuModel::startupIsScript() const
{
    return startupAction.size() > menuformat::kScriptPrefix.size() &&
           startsWithNoCase(startupAction, menuformat::kScriptPrefix);
}

std::string MenuModel::startupScript() const
{
    return startupIsScript() ? startupAction.substr(menuformat::kScriptPrefix.size()) : std::string();
}
