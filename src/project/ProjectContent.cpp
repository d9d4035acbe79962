#include "project/ProjectContent.h"

ProjectContent ProjectContent::fresh(const ProjectContent &before, const QString &iconMarker)
{
    ProjectContent content;
    content.settings.width = before.settings.width;
    content.settings.height = before.settings.height;
    content.settings.icon = iconMarker;
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
