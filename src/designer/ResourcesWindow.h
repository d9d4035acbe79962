#pragma once

#include "common/gui/ToolWindow.h"

#include <QImage>

class QMenu;

// Form13: never shown; holds what other windows borrow: the transparency image menu
// of the objects palette, the multimedia placement menu of the parameters panel and
// an off-screen picture surface.
class ResourcesWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit ResourcesWindow(QWidget *parent = nullptr);

    QMenu *transparencyMenu() const { return m_transparency; }
    QMenu *multimediaMenu() const { return m_multimedia; }
    QImage &pictureSurface() { return m_surface; }

private:
    QMenu *m_transparency;
    QMenu *m_multimedia;
    QImage m_surface;
};
