#pragma once

#include "format/MenuFormat.h"

#include <QString>

namespace menuformat {

// A fixed word of the file formats as Qt text: Windows-1252 and Latin-1 agree on
// every byte these words use.
inline QString word(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// A start-up action that holds a script: the prefix, in any case, and something after it.
inline bool isStartupScript(const QString &action)
{
    const QString prefix = word(kScriptPrefix);
    return action.size() > prefix.size() && action.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace menuformat
