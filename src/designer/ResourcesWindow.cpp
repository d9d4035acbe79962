#include "designer/ResourcesWindow.h"

using namespace Qt::StringLiterals;

ResourcesWindow::ResourcesWindow(QWidget *parent)
    : ToolWindow(u"Form13"_s, u"Ressources"_s, parent)
{
}
