#include "app/core/FirstRun.h"

#include "app/core/AppearanceFile.h"
#include "app/core/FileAssociation.h"
#include "app/core/OptionsFile.h"

FirstRun::Created FirstRun::createMissingFiles(const QString &programFolder, const Options &initial,
                                               const FileAssociation &association, SettingsStore *store)
{
    Created created;
    const OptionsFile options(programFolder);
    if (!options.exists()) {
        // The first start goes on without the association: the menu entry offers it again.
        static_cast<void>(association.associate(store));
        created.options = !options.write(initial).isError();
    }
    const AppearanceFile appearances(programFolder);
    if (!appearances.exists())
        created.appearances = !appearances.writeDefaults().isError();
    return created;
}
