#pragma once

#include <QString>

// Where a project's files live: beside the project file, or for a project never saved,
// in the folder the designer started in. Readers, writers and builds ask it; RelativeReference
// writes its references for another place.
class ProjectLocation
{
public:
    ProjectLocation() = default;
    explicit ProjectLocation(QString projectPath, QString unsavedFolder = QString());

    const QString &projectPath() const { return m_projectPath; }
    // The folder of the project file, ending with "/"; without a file, the unsaved folder.
    QString folder() const;
    // A file reference ready to open: a bare name lies in folder(); empty stays empty.
    QString resolve(const QString &reference) const;

private:
    QString m_projectPath;
    QString m_unsavedFolder;
};
