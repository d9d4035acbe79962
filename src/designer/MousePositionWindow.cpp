#include "designer/MousePositionWindow.h"

#include "designer/worksheet/SurfaceRules.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

MousePositionWindow::MousePositionWindow(QWidget *parent) : ToolWindow(u"Form10"_s, u"Position de la souris"_s, parent)
{
    auto *layout = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        m_labels[i] = new QLabel(i % 2 ? u"Y=0000"_s : u"X=0000"_s, this);
        m_labels[i]->setObjectName(u"Label"_s + QString::number(i + 1));
        layout->addWidget(m_labels[i], i / 2, i % 2);
    }
    keepWidth();
}

void MousePositionWindow::keepWidth()
{
    // Room for the longest position, so that the window never jumps as the pointer moves.
    const int room = m_labels[0]->fontMetrics().horizontalAdvance(u"X=-000000px"_s);
    for (QLabel *label : m_labels)
        label->setMinimumWidth(room);
    // A window manager's title bar also needs room for the caption beside its buttons.
    setFixedWidth(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) + 120));
    resize(width(), sizeHint().height());
}

void MousePositionWindow::changeEvent(QEvent *event)
{
    ToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::WindowTitleChange)
        keepWidth();
}

void MousePositionWindow::showPosition(double xTwips, double yTwips, const TwipsPerPixel &tpp)
{
    const QStringList texts = surface::positionTexts(xTwips, yTwips, tpp);
    for (int i = 0; i < 4; ++i)
        m_labels[i]->setText(texts[i]);
}

QStringList MousePositionWindow::texts() const
{
    QStringList result;
    for (const QLabel *label : m_labels)
        result.append(label->text());
    return result;
}
