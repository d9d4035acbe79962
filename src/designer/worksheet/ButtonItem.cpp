#include "designer/worksheet/ButtonItem.h"

#include "common/Phrases.h"

#include <QImage>
#include <QPixmap>

using namespace Qt::StringLiterals;

ButtonItem::ButtonItem(int slot, QWidget *parent) : QLabel(parent), m_slot(slot)
{
    setObjectName(u"Bouton"_s + QString::number(slot));
    setToolTip(Phrases::text(Phrase::DragToMove));
    setMouseTracking(true);
}

bool ButtonItem::showImageFile(const QString &file)
{
    QImage picture;
    if (file.isEmpty() || !picture.load(file))
        return false;
    showPicture(QPixmap::fromImage(m_key ? surface::withoutKeyColour(picture, *m_key) : picture));
    return true;
}

void ButtonItem::showPicture(const QPixmap &picture)
{
    // No picture to show: the button keeps the one it has, and its size.
    if (picture.isNull())
        return;
    setPixmap(picture);
    resize(picture.size());
}
