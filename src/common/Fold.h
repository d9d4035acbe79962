#pragma once

#include <QString>

#include <array>

// A multi-line value is stored on one file line with every CR LF replaced by "¤".
namespace fold {

inline constexpr QChar kFoldMark = QChar(0x00A4);       // "¤"
inline constexpr QChar kFieldSeparator = QChar(0x00AC); // "¬", menu data fields
// What scripts and texts may not hold, in the order they are looked for.
inline constexpr std::array<QChar, 2> kReserved = {kFoldMark, kFieldSeparator};

inline bool isReserved(QChar c)
{
    return c == kFoldMark || c == kFieldSeparator;
}

QString fold(const QString &multiLine);
QString unfold(const QString &line);

} // namespace fold
