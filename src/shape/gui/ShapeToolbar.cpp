#include "shape/gui/ShapeToolbar.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ShapeToolbar::ShapeToolbar(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"Form17"_s);
    setWindowTitle(u"Forme"_s);
    auto *layout = new QVBoxLayout(this);
    int number = 0;
    const auto frame = [&](const QString &name, const QString &caption, const QStringList &commands) {
        auto *box = new QGroupBox(caption, this);
        box->setObjectName(name);
        auto *boxLayout = new QVBoxLayout(box);
        for (const QString &text : commands) {
            auto *button = new QPushButton(text, box);
            button->setObjectName(u"Command"_s + QString::number(++number));
            m_commands.insert(text, button);
            boxLayout->addWidget(button);
        }
        layout->addWidget(box);
    };
    frame(u"Frame1"_s, u"Edition"_s, {u"Recommencer"_s, u"Annuler"_s, u"Valider"_s, u"Aperçu"_s, u"Pas de forme"_s});
    frame(u"Frame2"_s, u"Spécial"_s, {u"Charger"_s, u"Sauver"_s, u"Tracer depuis l'image"_s});
    layout->addStretch();
    command(u"Aperçu"_s)->setEnabled(false);
}

QPushButton *ShapeToolbar::command(const QString &caption) const
{
    return m_commands.value(caption);
}

void ShapeToolbar::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}
