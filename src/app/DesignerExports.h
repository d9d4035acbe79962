#pragma once

#include <QString>

#include <memory>

class MenuProject;
class Prompter;
class ProjectStorage;
class QmbConversion;

// The designer's exports and file facts: the HTML launcher, the QMB converter of the
// program folder.
class DesignerExports
{
public:
    DesignerExports(MenuProject &project, Prompter &prompter, QString programFolder);
    ~DesignerExports();

    // .qmb files opened by the designer go through the program folder's converter.
    void attach(ProjectStorage &storage);

    void compileHtml();

private:
    MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    std::unique_ptr<QmbConversion> m_qmb;
};
