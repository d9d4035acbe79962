#pragma once

#include "player/win32/Bitmap.h"

#include <windows.h>

// The part of the window a transparency image keeps: every pixel but the white ones.
// Built in one pass, a rectangle per run of kept pixels handed to the system at once,
// so a full-screen image takes a moment, not minutes. nullptr when nothing is kept.
HRGN transparencyRegion(const Bitmap &picture);
