#pragma once

#include "prompt/PromptTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class SettingsStore;

// Associates "*.zep" with the designer the freedesktop way: a shared-mime-info package
// for "application/x-zep", a desktop entry that opens such files, and that entry as the
// type's default application.
class FileAssociation
{
public:
    // Runs an update tool with its arguments; the default one runs it only when present.
    using ToolRunner = std::function<void(const QString &program, const QStringList &arguments)>;

    // dataFolder and configFolder default to the user's (GenericDataLocation and
    // GenericConfigLocation).
    explicit FileAssociation(const QString &programPath, const QString &dataFolder = {},
                             const QString &configFolder = {});

    static QString mimeType();        // "application/x-zep"
    static QString desktopFileName(); // "zep.desktop"

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString mimeAppsPath() const;

    static QByteArray mimePackage();
    static QByteArray desktopEntry(const QString &programPath);
    // mimeapps.list with the desktop entry as the type's default, the rest kept.
    static QByteArray withDefaultApplication(const QByteArray &mimeApps);

    void setToolRunner(ToolRunner runner) { m_runTool = std::move(runner); }

    // Writes the three files and runs the update tools; failures are not reported. When
    // a store is given the program path is recorded there too (section "Association",
    // value "Programme").
    void associate(SettingsStore *store = nullptr) const;

    static MessageRequest doneMessage(); // "Fichiers associés !"

private:
    static void runToolIfPresent(const QString &program, const QStringList &arguments);

    QString m_programPath;
    QString m_dataFolder;
    QString m_configFolder;
    ToolRunner m_runTool = runToolIfPresent;
};
