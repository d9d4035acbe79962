#include "project/ProjectReferences.h"

#include "common/PathText.h"
#include "project/MenuProject.h"

QList<FileReference> projectFileReferences(const MenuProject &project, const QString &projectFolder)
{
    QList<FileReference> references;
    const auto add = [&](const QString &reference) {
        if (!reference.isEmpty())
            references.append({reference, pathtext::resolve(projectFolder, reference)});
    };
    const ProjectSettings &s = project.settings();
    add(s.backgroundImage);
    if (!ProjectSettings::isIconMarker(s.icon))
        add(s.icon);
    add(s.backgroundMusic);
    add(s.clickSound);
    add(s.hoverSound);
    add(s.transparencyImage);
    for (int slot = 1; slot < project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = project.button(slot);
        if (!b.isStored())
            continue;
        add(b.normalImage);
        add(b.hoverImage);
        add(b.clickImage);
    }
    return references;
}
