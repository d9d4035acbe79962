#pragma once

#include "project/ButtonKind.h"
#include "project/ItemRef.h"

#include <QUndoCommand>

class ItemSelection;
class MenuProject;

// A button or text added or deleted. Undoing an addition deletes the item (its number
// is not reused); undoing a deletion brings it back with its chooser entry, selected.
class PresenceCommand : public QUndoCommand
{
public:
    // kind: of a button to add; a button taken away keeps its kind to come back with.
    PresenceCommand(MenuProject &project, ItemSelection &selection, ItemRef item, bool presentAfter, ButtonKind kind,
                    const QString &text);

    void redo() override { setPresent(m_presentAfter); }
    void undo() override { setPresent(!m_presentAfter); }

private:
    void setPresent(bool present);
    void setPresentInProject(bool present);

    MenuProject &m_project;
    ItemSelection &m_selection;
    ItemRef m_item;
    bool m_presentAfter;
    ButtonKind m_buttonKind;
};
