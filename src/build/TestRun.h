#pragma once

#include "build/CdFolder.h"
#include "build/CompileOutcome.h"

#include <QString>

class MenuProject;
class TestRunHooks;

// The menu as it will run from the CD: compiled into the program folder's tmp/
// folder with "TEST" as name and author, then started there while the designer waits.
class TestRun
{
public:
    TestRun(const MenuProject &project, QString projectFolder, QString programFolder, TestRunHooks &hooks);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }

    // Written once the menu ran; a player that could not start is a failure.
    CompileOutcome run();

    QString testFolder() const { return m_programFolder + QStringLiteral("tmp/"); }
    QString playerPath() const { return CdFolder(testFolder()).playerCopy(); }

private:
    void clearTestFolder();

    const MenuProject &m_project;
    QString m_projectFolder;
    QString m_programFolder;
    TestRunHooks &m_hooks;
    bool m_requireMultimediaFiles = false;
};
