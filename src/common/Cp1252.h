#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every text file the designer reads or writes.
// The five bytes the code page leaves undefined map to the C1 control of the same
// value, so every byte survives a decode/encode round trip.
namespace cp1252 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);          // characters outside the code page become "?"
void appendEncoded(QByteArray &out, QStringView text);

} // namespace cp1252
