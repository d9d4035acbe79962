#pragma once

#include "script/AssistantAction.h"

#include <QList>
#include <QString>

// The "Assistant VBS" pop-up menu as data, in menu order, for the window to build.
struct AssistantMenuItem
{
    enum class Kind { Entry, SubMenu, Separator };

    Kind kind = Kind::Separator;
    QString caption;
    AssistantAction action = AssistantAction::Cancel; // entries only
    QList<AssistantMenuItem> children;                // sub-menus only
};

namespace assistantmenu {

// "Assistant VBS"
QString title();

// The top-level items.
const QList<AssistantMenuItem> &items();

} // namespace assistantmenu
