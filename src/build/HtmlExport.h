#pragma once

#include <QString>

class MenuProject;
class Prompter;

// "En page web (html)": asks for the folder and writes index.htm there. Only a
// failure is reported; success stays silent.
class HtmlExport
{
public:
    HtmlExport(const MenuProject &project, Prompter &prompter) : m_project(project), m_prompter(prompter) {}

    // The answer offered first; the user's desktop by default.
    void setDefaultFolder(const QString &folder) { m_defaultFolder = folder; }
    static QString desktopFolder();

    // True when the page was written.
    bool run();

private:
    const MenuProject &m_project;
    Prompter &m_prompter;
    QString m_defaultFolder = desktopFolder();
};
