#include "designer/MousePositionWindow.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MousePositionWindow::MousePositionWindow(QWidget *parent)
    : ToolWindow(u"Form10"_s, u"Position de la souris"_s, parent), m_twips(new QLabel(this)),
      m_pixels(new QLabel(this))
{
    m_twips->setObjectName(u"Label1"_s);
    m_pixels->setObjectName(u"Label2"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_twips);
    layout->addWidget(m_pixels);
    showPosition(0, 0, 15, 15);
    resize(sizeHint());
}

void MousePositionWindow::showPosition(double xTwips, double yTwips, double tppX, double tppY)
{
    m_twips->setText(u"X = %1  Y = %2 (twips)"_s.arg(xTwips).arg(yTwips));
    m_pixels->setText(u"X = %1  Y = %2 (pixels)"_s.arg(xTwips / tppX).arg(yTwips / tppY));
}
