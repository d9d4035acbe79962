#pragma once

#include <QString>

// A multi-line value is stored on one file line with every CR LF replaced by "¤".
namespace fold {

inline constexpr QChar kFoldMark = QChar(0x00A4);       // "¤"
inline constexpr QChar kFieldSeparator = QChar(0x00AC); // "¬", menu data fields

QString fold(const QString &multiLine);
QString unfold(const QString &line);

} // namespace fold
