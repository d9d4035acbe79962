#include "player/core/MenuModel.h"

#include "player/core/AsciiCase.h"

bool MenuModel::startupIsScript() const
{
    return startupAction.size() > 4 && startsWithNoCase(startupAction, "VBS:");
}

std::string MenuModel::startupScript() const
{
    return startupIsScript() ? startupAction.substr(4) : std::string();
}
