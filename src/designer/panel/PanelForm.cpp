#include "designer/panel/PanelForm.h"

#include "common/gui/NamedWidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace panelform {

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    return named(new QLabel(text, parent), name);
}

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    QLabel *l = label(name, text, parent);
    l->setWordWrap(true);
    return l;
}

QLineEdit *field(const QString &name, QWidget *parent)
{
    QLineEdit *edit = named(new QLineEdit(parent), name);
    edit->setMinimumWidth(30);
    return edit;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    return named(new QPushButton(text, parent), name);
}

QPushButton *smallButton(const QString &name, const QString &text, QWidget *parent)
{
    QPushButton *b = button(name, text, parent);
    b->setFixedWidth(qMax(24, b->fontMetrics().horizontalAdvance(text) + 12));
    return b;
}

void row(QBoxLayout *layout, std::initializer_list<QWidget *> widgets, bool stretchAtEnd)
{
    auto *line = new QHBoxLayout;
    line->setSpacing(3);
    for (QWidget *w : widgets)
        line->addWidget(w);
    if (stretchAtEnd)
        line->addStretch();
    layout->addLayout(line);
}

void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace panelform
