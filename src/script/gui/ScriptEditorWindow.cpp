#include "script/gui/ScriptEditorWindow.h"

using namespace Qt::StringLiterals;

ScriptEditorWindow::ScriptEditorWindow(QWidget *parent)
    : ToolWindow(u"Form5"_s, u"Code VBS"_s, parent)
{
}
