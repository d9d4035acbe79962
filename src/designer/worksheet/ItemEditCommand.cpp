#include "designer/worksheet/ItemEditCommand.h"

#include "project/MenuProject.h"

ItemEditCommand::ItemEditCommand(MenuProject &project, int slot, Record before, Record after, const QString &text)
    : QUndoCommand(text), m_project(project), m_slot(slot), m_before(std::move(before)), m_after(std::move(after))
{
}

void ItemEditCommand::redo()
{
    if (!std::exchange(m_made, false))
        apply(m_after);
}

void ItemEditCommand::apply(const Record &record)
{
    if (const auto *button = std::get_if<MenuButton>(&record))
        m_project.setButton(m_slot, *button);
    else
        m_project.setText(m_slot, std::get<MenuText>(record));
}
