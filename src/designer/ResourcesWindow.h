#pragma once

#include "common/gui/ToolWindow.h"

class QMenu;

// Form13: never shown; holds the transparency image menu that the objects palette
// borrows.
class ResourcesWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit ResourcesWindow(QWidget *parent = nullptr);

    QMenu *transparencyMenu() const { return m_transparency; }

private:
    QMenu *m_transparency;
};
