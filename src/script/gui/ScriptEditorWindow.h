#pragma once

#include "common/gui/ToolWindow.h"

// Form5: edits one script slot of the project at a time.
class ScriptEditorWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit ScriptEditorWindow(QWidget *parent = nullptr);
};
