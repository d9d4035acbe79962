#pragma once

#include "common/gui/ToolWindow.h"

// Form1: the tool window from which buttons and texts are added to the menu.
class ObjectsPalette : public ToolWindow
{
    Q_OBJECT

public:
    explicit ObjectsPalette(QWidget *parent = nullptr);
};
