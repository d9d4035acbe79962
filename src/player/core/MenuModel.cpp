#include "player/core/MenuModel.h"

#include <cctype>

bool MenuModel::startupIsScript() const
{
    if (startupAction.size() <= 4)
        return false;
    static constexpr char kPrefix[] = "VBS:";
    for (int i = 0; i < 4; ++i) {
        if (std::toupper(static_cast<unsigned char>(startupAction[i])) != kPrefix[i])
            return false;
    }
    return true;
}

std::string MenuModel::startupScript() const
{
    return startupIsScript() ? startupAction.substr(4) : std::string();
}
