#include "common/LineWriter.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"

LineWriter &LineWriter::line(QStringView text)
{
    cp1252::appendEncoded(m_bytes, text);
    m_bytes.append("\r\n", 2);
    return *this;
}

LineWriter &LineWriter::number(double value)
{
    return line(numtext::numberLine(value));
}
