#pragma once

#include "player/win32/Bitmap.h"

#include <windows.h>

#include <span>

// The part of the window a transparency image keeps: every pixel but the white ones, as
// one rectangle per run of kept pixels. nullptr when nothing is kept.
HRGN transparencyRegion(const Bitmap &picture);

// The region of runs given row after row, top to bottom. Joining them one at a time costs
// time in the square of their number (seconds for a full-screen image); here each band
// of rows is made at once and the bands are joined in pairs, in n log n.
HRGN regionOfRuns(std::span<const RECT> runs);
