#include "player/core/ShellCommand.h"

#include "player/core/AsciiCase.h"
#include "player/core/SystemPath.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The snippets quote the whole command line, "explorer" and its quoted path included.
std::string_view unquoted(std::string_view text, bool evenWithQuotesInside)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
        (evenWithQuotesInside || text.find('"', 1) == text.size() - 1))
        return trimmed(text.substr(1, text.size() - 2));
    return text;
}

// An address is opened whole, spaces and all.
bool isAddress(std::string_view text)
{
    const auto scheme = text.find("://");
    if (startsWithNoCase(text, "mailto:"))
        return true;
    if (scheme == std::string_view::npos || scheme == 0)
        return false;
    const std::string_view name = text.substr(0, scheme);
    return std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// "notepad.exe", "calc": the system finds the program (App Paths, PATH).
bool isBareName(std::string_view program)
{
    return program.find_first_of("\\/:") == std::string_view::npos;
}

} // namespace

ShellCommand ShellCommand::parse(std::string_view commandLine, const DiscPaths &paths)
{
    const std::string expanded = systempath::expandVariables(commandLine);
    std::string_view line = trimmed(expanded);
    line = unquoted(line, startsWithNoCase(line, "\"explorer "));
    // "explorer" shows a folder or a page: the system opens it.
    const bool explorer = startsWithNoCase(line, "explorer ");
    if (explorer)
        line = unquoted(trimmed(line.substr(9)), false);

    if (isAddress(line))
        return {Kind::Open, std::string(line), {}};
    std::string_view program = line;
    std::string_view rest;
    if (!line.empty() && line.front() == '"') {
        const auto close = line.find('"', 1);
        program = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        rest = close == std::string_view::npos ? std::string_view() : trimmed(line.substr(close + 1));
    } else if (!systempath::exists(paths.discFile(line))) {
        const auto space = line.find(' ');
        if (space != std::string_view::npos && space > 0) {
            program = line.substr(0, space);
            rest = trimmed(line.substr(space + 1));
        }
    }
    if (program.empty())
        return {};
    if (isAddress(program))
        return {Kind::Open, std::string(program), {}};
    std::string target = paths.discFile(program);
    if (!explorer && isBareName(program) && !systempath::exists(target))
        target = program;
    return {explorer ? Kind::Open : Kind::Run, std::move(target), explorer ? std::string() : std::string(rest)};
}
