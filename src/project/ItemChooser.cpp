#include "project/ItemChooser.h"

using namespace Qt::StringLiterals;

QString ItemChooser::caption(ItemRef item, const QString &buttonKindWord)
{
    switch (item.kind) {
    case ItemKind::Button:
        return u"Bouton "_s + QString::number(item.slot) + u" ("_s + buttonKindWord + u')';
    case ItemKind::Text:
        return u"Texte "_s + QString::number(item.slot);
    case ItemKind::Project:
        break;
    }
    return kProjectEntry;
}

ItemChooser::ItemChooser()
{
    clear();
}

void ItemChooser::clear()
{
    m_entries = {ItemRef::project()};
    m_current = 0;
}

void ItemChooser::append(ItemRef item)
{
    m_entries.append(item);
}

bool ItemChooser::select(ItemRef item)
{
    const int index = int(m_entries.indexOf(item));
    if (index < 0)
        return false;
    m_current = index;
    return true;
}

void ItemChooser::remove(ItemRef item)
{
    const int i = int(m_entries.indexOf(item));
    if (i < 1)
        return;
    m_entries.removeAt(i);
    if (m_current >= i)
        m_current = m_current == i ? 0 : m_current - 1;
}
