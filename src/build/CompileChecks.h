#pragma once

#include "prompt/PromptTypes.h"

#include <QList>

class MenuProject;

// What a compilation refuses or fails on, found before anything is written, so that
// zepc check tells it too.
namespace compilechecks {

// Multimedia buttons without their file, by slot. The compilation refuses the first one
// when the main window's option asks for a file for each multimedia button.
QList<int> multimediaWithoutFile(const MenuProject &project);
MessageRequest multimediaWithoutFileNotice(int slot);

} // namespace compilechecks
