#include "project/ItemChooser.h"

using namespace Qt::StringLiterals;

QString ItemChooser::buttonEntry(int slot, const QString &kind)
{
    return u"Bouton "_s + QString::number(slot) + u" ("_s + kind + u')';
}

QString ItemChooser::textEntry(int slot)
{
    return u"Texte "_s + QString::number(slot);
}

ItemChooser::ItemChooser()
{
    clear();
}

void ItemChooser::clear()
{
    m_entries = {kProjectEntry};
    m_current = 0;
}

void ItemChooser::append(const QString &entry)
{
    m_entries.append(entry);
}

bool ItemChooser::select(const QString &entry)
{
    const int index = int(m_entries.indexOf(entry));
    if (index < 0)
        return false;
    m_current = index;
    return true;
}

// "Bouton 1" must not take away "Bouton 12 (code)", so the number is matched whole.
void ItemChooser::removeButton(int slot)
{
    removeFirst(u"Bouton "_s + QString::number(slot) + u" ("_s, false);
}

void ItemChooser::removeText(int slot)
{
    removeFirst(textEntry(slot), true);
}

void ItemChooser::removeFirst(const QString &prefix, bool exact)
{
    for (int i = 1; i < m_entries.size(); ++i) {
        if (exact ? m_entries[i] == prefix : m_entries[i].startsWith(prefix)) {
            m_entries.removeAt(i);
            if (m_current >= i)
                m_current = m_current == i ? 0 : m_current - 1;
            return;
        }
    }
}
