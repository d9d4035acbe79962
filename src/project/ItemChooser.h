#pragma once

#include <QStringList>

// The entries of the parameters panel's item chooser: the project first, then every
// button and text as they were created or read.
class ItemChooser
{
public:
    static inline const QString kProjectEntry = QStringLiteral("Feuille de travail");

    static QString buttonEntry(int slot, const QString &kind);
    static QString textEntry(int slot);

    ItemChooser();

    const QStringList &entries() const { return m_entries; }
    int currentIndex() const { return m_current; }
    QString currentText() const { return m_current >= 0 ? m_entries[m_current] : QString(); }

    void clear();                         // back to the project entry alone, selected
    void append(const QString &entry);
    bool select(const QString &entry);    // false when no entry has that text
    void selectFirst() { m_current = 0; }
    void removeButton(int slot);
    void removeText(int slot);

private:
    void removeFirst(const QString &prefix, bool exact);

    QStringList m_entries;
    int m_current = 0;
};
