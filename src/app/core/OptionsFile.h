#pragma once

#include "app/core/Options.h"
#include "common/ZepError.h"

#include <QByteArray>

// "zep_options.ini" in the program folder: nine lines, no section header.
class OptionsFile
{
public:
    struct Reading
    {
        // The wanted states: the window sets each menu entry to the opposite, then runs
        // its click action.
        Options options;
        // Lines 4 to 7 were there: apply options.appearance to the four tool windows.
        bool appearanceRead = false;
        // Line 8 said "oui" and no start-up project was named.
        bool openWizard = false;
    };

    explicit OptionsFile(const QString &programFolder);

    static QString fileName(); // "zep_options.ini"
    QString path() const { return m_path; }
    bool exists() const;

    // A line the file does not have leaves its state as in current, so a short file is
    // read as far as it goes and an empty file (left by the maintenance mode) changes
    // nothing. A missing file reads as current too.
    Reading read(const Options &current, bool startupProjectNamed) const;
    static Reading parse(const QByteArray &bytes, const Options &current, bool startupProjectNamed);

    static QByteArray serialize(const Options &options);
    ZepError write(const Options &options) const;
    // Leaves an empty file, as the maintenance mode does.
    ZepError clear() const;

private:
    QString m_path;
};
