#pragma once

#include "common/gui/ToolWindow.h"

class QLabel;

// Form10: where the pointer is on the worksheet, in twips and in pixels.
class MousePositionWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit MousePositionWindow(QWidget *parent = nullptr);

    void showPosition(double xTwips, double yTwips, double tppX, double tppY);

private:
    QLabel *m_twips;
    QLabel *m_pixels;
};
