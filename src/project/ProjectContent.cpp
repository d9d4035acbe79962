#include "project/ProjectContent.h"

ProjectContent ProjectContent::fresh(const ProjectContent &before, const QString &iconMarker)
{
    ProjectContent content;
    content.settings.width = before.settings.width;
    content.settings.height = before.settings.height;
    content.settings.icon = iconMarker;
    content.selectedText = before.selectedText;
    return content;
}

int ProjectContent::appendButtonSlot()
{
    if (!canAddButton())
        return -1;
    const int slot = buttonSlotsInUse++;
    buttons[slot] = buttons[0];
    buttons[slot].left = 200;
    buttons[slot].top = 200;
    return slot;
}

int ProjectContent::appendTextSlot()
{
    if (texts.size() >= kMaxTextSlotsInUse)
        return -1;
    texts.append(texts[0]);
    texts.last().visible = true;
    return int(texts.size()) - 1;
}

void ProjectContent::addAndChoose(ItemRef item)
{
    chooser.append(item);
    choose(item);
}

bool ProjectContent::choose(ItemRef item)
{
    if (!chooser.select(item))
        return false;
    if (item.kind == ItemKind::Button)
        selectedButton = item.slot;
    else if (item.kind == ItemKind::Text)
        selectedText = item.slot;
    return true;
}

ItemRef ProjectContent::chosen() const
{
    return chooser.current();
}
