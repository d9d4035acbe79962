#pragma once

#include <cstdint>
#include <string>

namespace vbs {

enum class Tok : uint8_t {
    End,
    Newline, // also ':', whose text is ":"
    Identifier,
    Integer, // value in m_int, typed Integer or Long by the lexer
    Double,
    String,
    Date,
    // operators and punctuation
    Plus, Minus, Star, Slash, Backslash, Caret, Ampersand,
    Eq, Ne, Lt, Gt, Le, Ge,
    LParen, RParen, Comma, Dot,
    // keywords
    And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, EndKw, Eqv, Erase,
    Exit, False, For, Function, If, Imp, In, Is, Let, Loop, Me, Mod, New, Next, Not, Nothing, Null, On,
    Option, Or, Private, Public, ReDim, Select, Set, Sub, Then, To, True, Until, Wend, While,
    With, Xor,
};

struct Token
{
    Tok kind = Tok::End;
    bool longSuffix = false;
    bool spaceBefore = false; // `a .b` inside With is a call of a with `.b`, not a member of a
    int line = 1;
    int column = 1;
    std::u16string text; // identifiers as written, string contents
    std::u16string key;  // identifiers folded to lower case
    int64_t intValue = 0;
    double doubleValue = 0;
};

} // namespace vbs
