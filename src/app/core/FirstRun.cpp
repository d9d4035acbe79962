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
        association.associate(store);
        created.options = !options.write(initial).isError();
    }
    const AppearanceFile appearances(programFolder);
    if (!appearances.exists())
        created.appearances = !appearances.writeDefaults().isError();
    return created;
}
