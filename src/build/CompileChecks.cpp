#include "build/CompileChecks.h"

#include "common/Phrases.h"
#include "project/MenuProject.h"

namespace compilechecks {

QList<int> multimediaWithoutFile(const MenuProject &project)
{
    QList<int> found;
    for (int slot = 1; slot < project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = project.button(slot);
        if (b.kind == ButtonKind::Multimedia && b.code.isEmpty())
            found << slot;
    }
    return found;
}

MessageRequest multimediaWithoutFileNotice(int slot)
{
    return {Phrases::text(Phrase::MissingMediaForButton) + QString::number(slot) + Phrases::text(Phrase::SpaceBang),
            Phrases::text(Phrase::CompileTitle), MessageIcon::Information};
}

} // namespace compilechecks
