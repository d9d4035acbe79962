#pragma once

#include <QSet>
#include <QString>

class ProjectLocation;

// How a file reference is written into a project saved at targetPath: a bare name
// when a file of that exact name lies beside the project, otherwise the path,
// completed with the folder where the project's files lie now when it was a bare name.
class RelativeReference
{
public:
    RelativeReference(const ProjectLocation &current, const QString &targetPath);

    QString write(const QString &reference) const;

private:
    QString m_oldFolder;
    QSet<QString> m_namesBesideTarget;
};
