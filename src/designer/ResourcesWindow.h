#pragma once

#include "common/gui/ToolWindow.h"

// Form13: never shown; holds what other windows borrow (pop-up menus, a picture surface).
class ResourcesWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit ResourcesWindow(QWidget *parent = nullptr);
};
