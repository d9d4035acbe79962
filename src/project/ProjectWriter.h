#pragma once

#include <QByteArray>
#include <QString>

class LineWriter;
class MenuProject;
class ProjectLocation;
class RelativeReference;

// Turns a MenuProject into the lines of a .zep file of format 1.1.
class ProjectWriter
{
public:
    static inline const QString kFileFormat = QStringLiteral("1.1");

    explicit ProjectWriter(const MenuProject &project);

    // The file as it would be written at targetPath (file references are made
    // relative to that folder); bare names now lie where from says.
    QByteArray toBytes(const QString &targetPath, const ProjectLocation &from) const;
    // From beside the project's own file.
    QByteArray toBytes(const QString &targetPath) const;

private:
    void writeHeader(LineWriter &out) const;
    void writeSections(LineWriter &out, const RelativeReference &ref) const;
    void writeButtons(LineWriter &out, const RelativeReference &ref) const;
    void writeTexts(LineWriter &out) const;
    void writeShape(LineWriter &out) const;

    const MenuProject &m_project;
};
