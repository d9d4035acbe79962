#pragma once

#include "common/gui/NamedWidget.h"
#include "wizard/WizardPrompts.h"

#include <QLabel>
#include <QLineEdit>
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

// Takes "¤" and "¬" out of what the author types or picks. Connected after the
// field's own handlers, so the text they keep last is the cleaned one.
inline void refuseReserved(QLineEdit *field, Prompter &prompter)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field, &prompter](const QString &text) {
        const QString cleaned = WizardPrompts::accepted(prompter, text);
        if (cleaned != text)
            field->setText(cleaned);
    });
}

} // namespace wizardwidgets
