#pragma once

#include "project/MenuButton.h"
#include "project/MenuText.h"

#include <QUndoCommand>

#include <variant>

class MenuProject;

// A move or a resize of a button or a text, recorded once made: undo puts the
// earlier record back.
class ItemEditCommand : public QUndoCommand
{
public:
    using Record = std::variant<MenuButton, MenuText>;

    ItemEditCommand(MenuProject &project, int slot, Record before, Record after, const QString &text);

    void undo() override { apply(m_before); }
    void redo() override;

private:
    void apply(const Record &record);

    MenuProject &m_project;
    int m_slot;
    Record m_before;
    Record m_after;
    bool m_made = true;
};
