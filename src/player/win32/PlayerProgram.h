#pragma once

#include <string>
#include <vector>

// The Windows player from start to end: reads the menu data at the end of its own
// file, answers "infos" and "auteur", or shows the menu until it is closed.
class PlayerProgram
{
public:
    // Returns the process's exit code: 0 when the menu ends normally, 1 on bad data.
    static int run(const std::wstring &programFile, const std::vector<std::wstring> &arguments);
};
