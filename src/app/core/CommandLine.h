#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the designer's command line asks for at start-up.
class CommandLine
{
public:
    using FileExists = std::function<bool(const QString &path)>;

    // arguments without the program itself, taken as one line joined by spaces.
    static CommandLine parse(const QStringList &arguments, const FileExists &fileExists = isExistingFile);
    // Every double quote of the line is removed first.
    static CommandLine parse(const QString &line, const FileExists &fileExists = isExistingFile);

    static bool isExistingFile(const QString &path);

    // "debogage": the maintenance mode; the designer does not start.
    bool maintenance() const { return m_maintenance; }
    // A project to open once the windows are up, or empty.
    QString startupProject() const { return m_startupProject; }

private:
    bool m_maintenance = false;
    QString m_startupProject;
};
