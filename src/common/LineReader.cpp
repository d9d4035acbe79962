#include "common/LineReader.h"

#include "common/Cp1252.h"

#include <cstring>

LineReader::LineReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
}

bool LineReader::next(QString *line)
{
    if (atEnd())
        return false;
    const char *data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    qsizetype end = m_pos;
    while (end < size && data[end] != '\r' && data[end] != '\n')
        ++end;
    *line = cp1252::decode(QByteArrayView(data + m_pos, end - m_pos));
    if (end < size && data[end] == '\r')
        ++end;
    if (end < size && data[end] == '\n')
        ++end;
    m_pos = end;
    ++m_lineNumber;
    return true;
}
