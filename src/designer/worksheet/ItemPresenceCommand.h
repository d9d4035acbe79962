#pragma once

#include <QUndoCommand>

class MenuProject;

// A button or text added (recorded once made) or deleted (done when pushed). Undoing an addition deletes
// the item (its number is not reused); undoing a deletion brings it back with its
// chooser entry, selected.
class ItemPresenceCommand : public QUndoCommand
{
public:
    enum class Item { Button, Text };

    ItemPresenceCommand(MenuProject &project, Item item, int slot, bool added, const QString &text);

    void undo() override { setPresent(!m_added); }
    void redo() override;

private:
    void setPresent(bool present);

    MenuProject &m_project;
    Item m_item;
    int m_slot;
    bool m_added;
    QString m_kind;    // the button's kind while it lives
    QString m_content; // the text's content while it lives
    bool m_made;
};
