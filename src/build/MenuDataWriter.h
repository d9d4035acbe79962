#pragma once

#include <QByteArray>
#include <QString>

class LineWriter;
class MenuProject;

// The menu data a compiled player carries: the lines, and the block appended to the
// player copy. File references keep their file name only, as the files lie beside it.
class MenuDataWriter
{
public:
    explicit MenuDataWriter(const MenuProject &project);

    // CR LF-terminated Windows-1252 lines.
    QByteArray lines(const QString &projectName, const QString &author) const;

    // "(debut)¬" + the lines joined with "¬" + CR LF.
    static QByteArray dataBlock(const QByteArray &lines);

    static QString fileNameOnly(const QString &reference);
    static QString legalText();

private:
    void writeSections(LineWriter &out, const QString &projectName, const QString &author) const;
    void writeButtons(LineWriter &out) const;
    void writeTexts(LineWriter &out) const;
    void writeShape(LineWriter &out) const;

    const MenuProject &m_project;
};
