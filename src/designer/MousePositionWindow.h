#pragma once

#include "common/Twips.h"
#include "common/gui/ToolWindow.h"

class QLabel;

// Form10: where the pointer is on the worksheet, in twips and in pixels.
class MousePositionWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit MousePositionWindow(QWidget *parent = nullptr);

    void showPosition(double xTwips, double yTwips, const TwipsPerPixel &tpp);
    // "X=…", "Y=…", "X=…px", "Y=…px" as shown.
    QStringList texts() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void keepWidth();

    QLabel *m_labels[4];
};
