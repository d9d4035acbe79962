#include "document/PresenceCommand.h"

#include "document/ItemSelection.h"
#include "project/MenuProject.h"

PresenceCommand::PresenceCommand(MenuProject &project, ItemSelection &selection, ItemRef item, bool presentAfter,
                                 ButtonKind kind, const QString &text)
    : QUndoCommand(text), m_project(project), m_selection(selection), m_item(item), m_presentAfter(presentAfter),
      m_buttonKind(kind)
{
}

void PresenceCommand::setPresent(bool present)
{
    setPresentInProject(present);
    if (present)
        m_selection.add(m_item);
    else
        m_selection.remove(m_item);
}

void PresenceCommand::setPresentInProject(bool present)
{
    const int slot = m_item.slot;
    if (m_item.kind == ItemKind::Button) {
        if (!present) {
            m_buttonKind = m_project.button(slot).kind;
            m_project.deleteButton(slot);
        } else if (slot == m_project.buttonSlotsInUse())
            m_project.addButton(m_buttonKind);
        else
            m_project.restoreButton(slot, m_buttonKind);
        return;
    }
    if (!present)
        m_project.deleteText(slot);
    else if (slot == m_project.textSlotsInUse())
        m_project.addText();
    else
        m_project.restoreText(slot);
}
