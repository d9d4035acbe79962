#pragma once

#include "player/win32/SystemLibrary.h"

// The multimedia library (MCI and PlaySound), loaded from the system folder on first use.
// Without it the menu is silent and the tray stays still.
namespace winmm {

// mciSendStringW; false when the command failed or the library is missing.
bool mciSend(const wchar_t *command);
// PlaySoundW with these flags; a null sound stops the one playing.
void playSound(const wchar_t *sound, DWORD flags);

} // namespace winmm
