#pragma once

#include <QByteArray>
#include <QStringView>

// Builds a Windows-1252 text of CR LF-terminated lines in memory.
class LineWriter
{
public:
    LineWriter &line(QStringView text);
    LineWriter &number(double value); // a number line

    const QByteArray &bytes() const { return m_bytes; }
    void reserve(qsizetype size) { m_bytes.reserve(size); }

private:
    QByteArray m_bytes;
};
