#pragma once

#include "player/core/DiscPaths.h"

#include <string>
#include <string_view>

// A command line that a script hands to the shell's Run, read the way the snippets write
// it: a quoted or bare program and its arguments, "explorer" and a folder or page, an address.
struct ShellCommand
{
    enum class Kind { Nothing, Run, Open };

    Kind kind = Kind::Nothing;
    std::string target; // a path of the disc or the system, a program name for the system to find, or an address
    std::string arguments;

    static ShellCommand parse(std::string_view line, const DiscPaths &paths);
};
