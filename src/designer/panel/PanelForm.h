#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small builders for the narrow rows of the panel's pages.
namespace panelform {

QLabel *label(const QString &name, const QString &text, QWidget *parent);
// A label that wraps in the panel's width.
QLabel *caption(const QString &name, const QString &text, QWidget *parent);
QLineEdit *field(const QString &name, QWidget *parent);
QPushButton *button(const QString &name, const QString &text, QWidget *parent);
// A tight button for "...", clear, reset, apply and zoom.
QPushButton *smallButton(const QString &name, const QString &text, QWidget *parent);
// The widgets side by side as one row of layout.
void row(QBoxLayout *layout, std::initializer_list<QWidget *> widgets, bool stretchAtEnd = false);
// Sets the field's text only when it differs, so the cursor of a field being typed in stays put.
void setText(QLineEdit *edit, const QString &text);

} // namespace panelform
