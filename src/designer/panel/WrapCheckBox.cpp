#include "designer/panel/WrapCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

WrapCheckBox::WrapCheckBox(const QString &name, const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    setObjectName(name);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapCheckBox::indicatorWidth() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrapCheckBox::textRect(int width) const
{
    const int textWidth = qMax(20, width - indicatorWidth());
    return fontMetrics().boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, text());
}

int WrapCheckBox::heightForWidth(int width) const
{
    return qMax(textRect(width).height(), style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this)) + 2;
}

QSize WrapCheckBox::sizeHint() const
{
    const int width = 160;
    return {width, heightForWidth(width)};
}

QSize WrapCheckBox::minimumSizeHint() const
{
    return {indicatorWidth() + 40, heightForWidth(indicatorWidth() + 40)};
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    option.rect = QRect(0, 1, style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this), indicatorHeight);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(indicatorWidth(), 0, width() - indicatorWidth(), height()),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
}
