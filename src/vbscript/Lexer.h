#pragma once

#include "vbscript/Token.h"

#include <string_view>
#include <vector>

namespace vbs {

// Splits source text into tokens; throws a compile ScriptError on a bad character,
// number or unterminated string.
class Lexer
{
public:
    explicit Lexer(std::u16string_view source);
    std::vector<Token> tokenize();

private:
    char16_t peek(size_t ahead = 0) const;
    void fail(int number) const;
    void newline();
    void lexNumber(Token &token);
    void lexHex(Token &token);
    void lexString(Token &token);
    void lexDate(Token &token);
    void lexWord(Token &token);
    bool atStatementStart() const;

    std::u16string_view m_source;
    size_t m_at = 0;
    int m_line = 1;
    size_t m_lineStart = 0;
    std::vector<Token> m_tokens;
};

} // namespace vbs
