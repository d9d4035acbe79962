#include "app/AppearanceApplier.h"

#include "app/core/Appearance.h"
#include "app/core/AppearanceRule.h"
#include "common/ColourValue.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

AppearanceRule::Kind kindOf(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w))
        return AppearanceRule::Kind::TextField;
    if (qobject_cast<const QComboBox *>(w) || qobject_cast<const QListWidget *>(w))
        return AppearanceRule::Kind::Choice;
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->isCheckable() ? AppearanceRule::Kind::Choice : AppearanceRule::Kind::Button;
    if (qobject_cast<const QLabel *>(w))
        return AppearanceRule::Kind::Label;
    if (qobject_cast<const QGroupBox *>(w))
        return AppearanceRule::Kind::Frame;
    return AppearanceRule::Kind::Picture;
}

void setColour(QWidget *w, QPalette::ColorRole role, int colour)
{
    QPalette p = w->palette();
    p.setColor(role, colourvalue::toColor(colour));
    w->setPalette(p);
}

// Disabled controls keep the style's greyed text, so they still look disabled.
void setTextColour(QWidget *w, QPalette::ColorRole role, int colour)
{
    QPalette p = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, role, colourvalue::toColor(colour));
    w->setPalette(p);
}

} // namespace

namespace appearanceapplier {

void apply(QWidget *window, const Appearance &appearance)
{
    window->setAutoFillBackground(true);
    setColour(window, QPalette::Window, appearance.windowBackground);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (w->isWindow())
            continue;
        const AppearanceRule::Control control{w->objectName(), w->property("tag").toString(), kindOf(w)};
        const AppearanceRule::Look look = AppearanceRule::lookFor(appearance, control);
        if (look.tabStop)
            w->setFocusPolicy(*look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (look.background) {
            w->setAutoFillBackground(true);
            setColour(w, QPalette::Window, *look.background);
            setColour(w, QPalette::Base, *look.background);
            setColour(w, QPalette::Button, *look.background);
        }
        if (look.textColour) {
            setTextColour(w, QPalette::WindowText, *look.textColour);
            setTextColour(w, QPalette::Text, *look.textColour);
            setTextColour(w, QPalette::ButtonText, *look.textColour);
        }
        if (look.font) {
            QFont f = w->font();
            f.setFamily(*look.font);
            w->setFont(f);
        }
    }
}

} // namespace appearanceapplier
