#pragma once

#include "build/CdFolder.h"
#include "common/ZepError.h"

#include <QByteArray>
#include <QString>

// A compiled disc starts on Linux too: autorun.sh beside autorun.inf starts the Linux
// player copy zep/autorun, which carries the same menu data and, unless the compile is
// light, finds its libraries in zep/lib.
namespace linuxdisc {

QByteArray startScript();

// Writes autorun.sh, zep/autorun (the program folder's Linux player followed by
// `menuData`) and the runtime. `programFolder` ends with "/".
ZepError write(const CdFolder &cd, const QString &programFolder, const QByteArray &menuData, bool light);

} // namespace linuxdisc
