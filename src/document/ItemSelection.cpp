#include "document/ItemSelection.h"

#include "project/MenuProject.h"

using namespace Qt::StringLiterals;

ItemSelection::ItemSelection(const MenuProject &project, QObject *parent) : QObject(parent), m_project(project)
{
    connect(&m_project, &MenuProject::projectReset, this, &ItemSelection::followReset);
    followReset();
}

QString ItemSelection::caption(ItemRef item) const
{
    switch (item.kind) {
    case ItemKind::Button:
        return u"Bouton "_s + QString::number(item.slot) + u" ("_s + m_project.button(item.slot).kindWord() + u')';
    case ItemKind::Text:
        return u"Texte "_s + QString::number(item.slot);
    case ItemKind::Project:
        break;
    }
    return kProjectEntry;
}

QStringList ItemSelection::captions() const
{
    QStringList list;
    for (ItemRef item : m_entries)
        list.append(caption(item));
    return list;
}

void ItemSelection::choose(ItemRef item)
{
    const int index = int(m_entries.indexOf(item));
    if (index < 0)
        return;
    m_current = index;
    record(item);
    emit selectionChanged();
}

void ItemSelection::add(ItemRef item)
{
    m_entries.append(item);
    m_current = int(m_entries.size()) - 1;
    record(item);
    emit entriesChanged();
    emit selectionChanged();
}

void ItemSelection::remove(ItemRef item)
{
    if (item.kind == ItemKind::Button)
        m_button = -1;
    else if (item.kind == ItemKind::Text)
        m_text = -1;
    if (item.kind != ItemKind::Project)
        m_entries.removeOne(item);
    m_current = 0;
    emit entriesChanged();
    emit selectionChanged();
}

void ItemSelection::record(ItemRef item)
{
    if (item.kind == ItemKind::Button)
        m_button = item.slot;
    else if (item.kind == ItemKind::Text)
        m_text = item.slot;
}

void ItemSelection::followReset()
{
    m_entries = {ItemRef::project()};
    m_button = -1;
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const ButtonKind kind = m_project.button(slot).kind;
        if (kind != ButtonKind::None && kind != ButtonKind::Deleted)
            m_entries.append(ItemRef::button(slot));
    }
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot) {
        if (!m_project.text(slot).isDeleted())
            m_entries.append(ItemRef::text(slot));
    }
    for (ItemRef item : std::as_const(m_entries))
        record(item);
    m_current = int(m_entries.size()) - 1;
}
