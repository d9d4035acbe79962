#pragma once

#include "common/FormatWords.h"

#include <QString>

// The three entries of the start-up action selector.
enum class StartupKind { Nothing = 0, MultimediaFile = 1, Script = 2 };

namespace startup {

inline const QString kScriptPrefix = menuformat::word(menuformat::kScriptPrefix);

// How a stored start-up action line is shown: "VBS:" alone is a file name.
StartupKind kindOf(const QString &action);
bool isScript(const QString &action);

} // namespace startup
