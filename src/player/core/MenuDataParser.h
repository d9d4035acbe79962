#pragma once

#include "player/core/MenuModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads the menu data a compiled player carries at the end of its own file: one line
// "(debut)¬" + fields joined with "¬" (Windows-1252). Bad data is an error, never a crash.
class MenuDataParser
{
public:
    // The fields of the last data block of a file, without the marker and the final
    // line end; nothing when the file carries no block.
    static std::optional<std::string_view> findBlock(std::string_view file);

    bool parse(std::string_view block, MenuModel &menu);
    // Finds and parses the block of a whole file.
    bool parseFile(std::string_view file, MenuModel &menu);

    // French, for the message the player shows.
    const std::string &error() const { return m_error; }

private:
    bool fail(const std::string &what);
    bool next(std::string_view &field);
    bool text(std::string &out);
    bool expect(std::string_view header);
    bool number(double &out);
    bool integer(int &out);
    // The leading whole number of a field the designer stores as typed; none reads as 0.
    bool leadingInteger(int &out);
    bool flag(bool &out);
    bool kind(ButtonKind &out);
    bool skip(int count);
    bool readGeneral(MenuModel &menu);
    bool readParamsPlus(MenuModel &menu);
    bool readOther(MenuModel &menu);
    bool readButton(MenuModel &menu);
    bool readText(MenuModel &menu);
    bool readShape(MenuModel &menu);

    std::vector<std::string_view> m_fields;
    std::size_t m_pos = 0;
    std::string m_error;
};
