#pragma once

#include "project/ItemRef.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class MenuProject;

// What the author has turned to: the entries of the parameters panel's item chooser
// (the project first, then every button and text as they were created or read), the
// entry shown, and the button and text last chosen. Editing state, never saved.
class ItemSelection : public QObject
{
    Q_OBJECT

public:
    static inline const QString kProjectEntry = QStringLiteral("Feuille de travail");

    explicit ItemSelection(const MenuProject &project, QObject *parent = nullptr);

    const QList<ItemRef> &entries() const { return m_entries; }
    int currentIndex() const { return m_current; }
    ItemRef chosen() const { return m_entries[m_current]; }
    // A button's entry names its kind by the kind's word.
    QString caption(ItemRef item) const;
    QStringList captions() const;
    QString chosenCaption() const { return caption(chosen()); }
    // The slot last chosen, or -1 when none is.
    int selectedButton() const { return m_button; }
    int selectedText() const { return m_text; }

    // Shows the item's entry; an item without one changes nothing.
    void choose(ItemRef item);
    // An item added or brought back: its entry at the end, chosen.
    void add(ItemRef item);
    // An item deleted: its entry goes, no item of its kind is selected, the project is shown.
    void remove(ItemRef item);

signals:
    void entriesChanged();
    void selectionChanged();

private:
    // A project read or reset: the entries of its items, the last one chosen, as the
    // reader once chose each in turn. A reset keeps the selected text number.
    void followReset();
    void record(ItemRef item);

    const MenuProject &m_project;
    QList<ItemRef> m_entries{ItemRef::project()};
    int m_current = 0;
    int m_button = -1;
    int m_text = -1;
};
