#include "designer/ObjectsPalette.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QGroupBox *frame(const QString &name, const QString &caption, const QStringList &commands)
{
    auto *box = new QGroupBox(caption);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    for (const QString &command : commands)
        layout->addWidget(new QPushButton(command));
    return box;
}

} // namespace

ObjectsPalette::ObjectsPalette(QWidget *parent)
    : ToolWindow(u"Form1"_s, u"Objets"_s, parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame(u"Frame1"_s, u"Boutons"_s, {u"Multimédia"_s, u"Code VBS"_s, u"Quitter"_s}));
    layout->addWidget(frame(u"Frame2"_s, u"Boîte de texte"_s, {u"Créer"_s}));
    layout->addWidget(frame(u"Frame3"_s, u"Forme du menu"_s, {u"Editeur"_s, u"Transparence"_s}));
    layout->addStretch();
    resize(199, sizeHint().height()); // as wide as the parameters panel below it
}
