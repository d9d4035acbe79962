#pragma once

#include "app/core/Options.h"

class FileAssociation;
class SettingsStore;

// The files a first start creates in the program folder: the association and the
// options file when "zep_options.ini" is missing, the default appearances when
// "apparences.ini" is. Write failures are not reported.
class FirstRun
{
public:
    struct Created
    {
        bool options = false;
        bool appearances = false;
    };

    // initial: the options as the menus and windows start. store, when given, gets the
    // association's program path record.
    static Created createMissingFiles(const QString &programFolder, const Options &initial,
                                      const FileAssociation &association, SettingsStore *store = nullptr);
};
