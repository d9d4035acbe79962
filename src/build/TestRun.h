#pragma once

#include <QString>

class MenuProject;
class Prompter;
class TestRunHooks;

// The menu as it will run from the CD: compiled into the program folder's tmp/
// folder with "TEST" as name and author, then started there while the designer waits.
class TestRun
{
public:
    TestRun(const MenuProject &project, Prompter &prompter, QString programFolder, TestRunHooks &hooks);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }

    void run();
    bool compileFailed() const { return m_compileFailed; }

    QString testFolder() const { return m_programFolder + QStringLiteral("tmp/"); }
    QString playerPath() const { return testFolder() + QStringLiteral("zep/autorun.exe"); }

private:
    void clearTestFolder();

    const MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    TestRunHooks &m_hooks;
    bool m_requireMultimediaFiles = false;
    bool m_compileFailed = false;
};
