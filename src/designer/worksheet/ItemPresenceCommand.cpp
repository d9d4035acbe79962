#include "designer/worksheet/ItemPresenceCommand.h"

#include "project/MenuProject.h"

ItemPresenceCommand::ItemPresenceCommand(MenuProject &project, Item item, int slot, bool added, const QString &text)
    : QUndoCommand(text), m_project(project), m_item(item), m_slot(slot), m_added(added), m_made(added)
{
}

void ItemPresenceCommand::redo()
{
    if (!std::exchange(m_made, false))
        setPresent(m_added);
}

void ItemPresenceCommand::setPresent(bool present)
{
    if (m_item == Item::Button) {
        if (!present) {
            m_kind = m_project.button(m_slot).kind;
            m_project.deleteButton(m_slot);
            return;
        }
        MenuButton b = m_project.button(m_slot);
        b.kind = m_kind;
        m_project.setButton(m_slot, b);
        m_project.addChooserEntry(ItemChooser::buttonEntry(m_slot, m_kind));
        m_project.chooseEntry(ItemChooser::buttonEntry(m_slot, m_kind));
        return;
    }
    if (!present) {
        m_content = m_project.text(m_slot).text;
        m_project.deleteText(m_slot);
        return;
    }
    MenuText t = m_project.text(m_slot);
    t.text = m_content;
    t.visible = true;
    m_project.setText(m_slot, t);
    m_project.addChooserEntry(ItemChooser::textEntry(m_slot));
    m_project.chooseEntry(ItemChooser::textEntry(m_slot));
}
