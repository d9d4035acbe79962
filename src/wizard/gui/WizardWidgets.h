#pragma once

#include "common/gui/NamedWidget.h"

#include <QLabel>
#include <QString>

// Small builders the wizard's pages share.
namespace wizardwidgets {

// A control that shows its own colours, never the appearance theme's.
template <typename T> T *keepDesign(T *widget)
{
    widget->setProperty("tag", QStringLiteral("N_DESIGN"));
    return widget;
}

// A plain text that wraps in the width of its page.
inline QLabel *paragraph(const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// "Etape n:" above each page.
inline QLabel *stepLabel(const QString &text)
{
    auto *label = paragraph(text);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

} // namespace wizardwidgets
