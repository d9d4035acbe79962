#pragma once

#include "project/ItemRef.h"

#include <QList>
#include <QString>

// The entries of the parameters panel's item chooser: the project first, then every
// button and text as they were created or read.
class ItemChooser
{
public:
    static inline const QString kProjectEntry = QStringLiteral("Feuille de travail");

    // The caption shown for an entry; a button's names its kind by the kind's word.
    static QString caption(ItemRef item, const QString &buttonKindWord = QString());

    ItemChooser();

    const QList<ItemRef> &entries() const { return m_entries; }
    int currentIndex() const { return m_current; }
    ItemRef current() const { return m_entries[m_current]; }

    void clear(); // back to the project entry alone, selected
    void append(ItemRef item);
    bool select(ItemRef item); // false when no entry is that item
    void selectFirst() { m_current = 0; }
    void remove(ItemRef item);

    bool operator==(const ItemChooser &) const = default;

private:
    QList<ItemRef> m_entries;
    int m_current = 0;
};
