#pragma once

#include <QString>

struct SetupPlaces;

// The installation and removal without a window: 0 on success, 1 with a message on the
// error stream otherwise.
namespace silentsetup {

int install(const SetupPlaces &places, const QString &destination);
int uninstall(const SetupPlaces &places);

// Runs the clean-up script and waits for it, with nothing to read on its input.
void runCleanupScript(const QString &script);

} // namespace silentsetup
