#pragma once

#include <QString>

namespace designerfiles {

// The files and folder the designer writes beside itself (options, appearances, plug-ins,
// test runs): the user's own, kept through an uninstallation and never shared.
bool isWrittenByTheDesigner(const QString &entry);

} // namespace designerfiles
