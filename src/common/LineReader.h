#pragma once

#include <QByteArray>
#include <QString>

// Reads a Windows-1252 text line by line. CR LF ends a line; a lone LF or CR is
// accepted too, as files edited on other systems carry them.
class LineReader
{
public:
    explicit LineReader(QByteArray bytes);

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // The next line without its end, or false at the end of the text.
    bool next(QString *line);
    int lineNumber() const { return m_lineNumber; }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    int m_lineNumber = 0;
};
