#include "vbscript/Lexer.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"
#include "vbscript/ScriptError.h"

#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace vbs {

namespace {

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// "&h" and "&o" start a number only before a digit of their base: "x" &hi joins a variable.
bool startsRadixNumber(char16_t letter, char16_t next)
{
    if ((letter | 0x20) == u'h')
        return isDigit(next) || ((next | 0x20) >= u'a' && (next | 0x20) <= u'f');
    return (letter | 0x20) == u'o' && next >= u'0' && next <= u'7';
}

const std::unordered_map<std::u16string, Tok> &keywords()
{
    static const std::unordered_map<std::u16string, Tok> table = {
        {u"and", Tok::And},       {u"byref", Tok::ByRef},       {u"byval", Tok::ByVal},     {u"call", Tok::Call},
        {u"case", Tok::Case},     {u"class", Tok::Class},       {u"const", Tok::Const},     {u"dim", Tok::Dim},
        {u"do", Tok::Do},         {u"each", Tok::Each},         {u"else", Tok::Else},       {u"elseif", Tok::ElseIf},
        {u"empty", Tok::Empty},   {u"end", Tok::EndKw},         {u"eqv", Tok::Eqv},         {u"erase", Tok::Erase},
        {u"exit", Tok::Exit},     {u"false", Tok::False},       {u"for", Tok::For},         {u"function", Tok::Function},
        {u"if", Tok::If},         {u"imp", Tok::Imp},           {u"in", Tok::In},           {u"is", Tok::Is},
        {u"let", Tok::Let},       {u"loop", Tok::Loop},         {u"me", Tok::Me},           {u"mod", Tok::Mod},
        {u"new", Tok::New},       {u"next", Tok::Next},         {u"not", Tok::Not},         {u"nothing", Tok::Nothing},
        {u"null", Tok::Null},     {u"on", Tok::On},             {u"option", Tok::Option},   {u"or", Tok::Or},
        {u"private", Tok::Private}, {u"public", Tok::Public}, {u"redim", Tok::ReDim},
        {u"select", Tok::Select}, {u"set", Tok::Set},           {u"sub", Tok::Sub},         {u"then", Tok::Then},
        {u"to", Tok::To},         {u"true", Tok::True},         {u"until", Tok::Until},     {u"wend", Tok::Wend},
        {u"while", Tok::While},   {u"with", Tok::With},         {u"xor", Tok::Xor},
    };
    return table;
}

} // namespace

Lexer::Lexer(std::u16string_view source) : m_source(source) {}

char16_t Lexer::peek(size_t ahead) const
{
    return m_at + ahead < m_source.size() ? m_source[m_at + ahead] : 0;
}

void Lexer::fail(int number) const
{
    ScriptError error(number);
    error.setCompileError(true);
    error.setPosition(m_line, int(m_at - m_lineStart) + 1);
    throw error;
}

void Lexer::newline()
{
    if (peek() == u'\r' && peek(1) == u'\n')
        ++m_at;
    ++m_at;
    ++m_line;
    m_lineStart = m_at;
}

bool Lexer::atStatementStart() const
{
    return m_tokens.empty() || m_tokens.back().kind == Tok::Newline || m_tokens.back().kind == Tok::Then ||
           m_tokens.back().kind == Tok::Else;
}

std::vector<Token> Lexer::tokenize()
{
    bool space = false;
    while (true) {
        const char16_t c = peek();
        if (c == u' ' || c == u'\t' || c == 0xA0 || c == u'\f' || c == u'\v') {
            ++m_at;
            space = true;
            continue;
        }
        if (c == u'_' && !isLetter(peek(1)) && !isDigit(peek(1))) {
            size_t ahead = 1;
            while (peek(ahead) == u' ' || peek(ahead) == u'\t')
                ++ahead;
            if (peek(ahead) == u'\r' || peek(ahead) == u'\n') {
                m_at += ahead;
                newline();
                continue;
            }
            fail(errors::InvalidCharacter);
        }
        if (c == u'\'') {
            while (m_at < m_source.size() && peek() != u'\r' && peek() != u'\n')
                ++m_at;
            continue;
        }
        Token token;
        token.spaceBefore = space;
        space = false;
        token.line = m_line;
        token.column = int(m_at - m_lineStart) + 1;
        if (m_at >= m_source.size()) {
            token.kind = Tok::Newline;
            m_tokens.push_back(token);
            token.kind = Tok::End;
            m_tokens.push_back(token);
            return std::move(m_tokens);
        }
        if (c == u'\r' || c == u'\n' || c == u':') {
            if (c == u':')
                ++m_at;
            else
                newline();
            token.kind = Tok::Newline;
            if (c == u':')
                token.text = u":";
            if (m_tokens.empty() || m_tokens.back().kind != Tok::Newline)
                m_tokens.push_back(token);
            else if (c != u':')
                m_tokens.back().text = m_tokens.back().text.empty() ? u"" : u":\n"; // `If … Then :` ends there
            continue;
        }
        if (isDigit(c) || (c == u'.' && isDigit(peek(1)))) {
            lexNumber(token);
        } else if (c == u'&' && startsRadixNumber(peek(1), peek(2))) {
            lexHex(token);
        } else if (c == u'"') {
            lexString(token);
        } else if (c == u'#') {
            lexDate(token);
        } else if (isLetter(c) || c == u'[') {
            lexWord(token);
            if (token.kind == Tok::Identifier && token.key == u"rem" && atStatementStart()) {
                while (m_at < m_source.size() && peek() != u'\r' && peek() != u'\n')
                    ++m_at;
                continue;
            }
        } else {
            ++m_at;
            switch (c) {
            case u'+': token.kind = Tok::Plus; break;
            case u'-': token.kind = Tok::Minus; break;
            case u'*': token.kind = Tok::Star; break;
            case u'/': token.kind = Tok::Slash; break;
            case u'\\': token.kind = Tok::Backslash; break;
            case u'^': token.kind = Tok::Caret; break;
            case u'&': token.kind = Tok::Ampersand; break;
            case u'(': token.kind = Tok::LParen; break;
            case u')': token.kind = Tok::RParen; break;
            case u',': token.kind = Tok::Comma; break;
            case u'.': token.kind = Tok::Dot; break;
            case u'=':
                token.kind = Tok::Eq;
                if (peek() == u'<')
                    ++m_at, token.kind = Tok::Le;
                else if (peek() == u'>')
                    ++m_at, token.kind = Tok::Ge;
                break;
            case u'<':
                token.kind = Tok::Lt;
                if (peek() == u'>')
                    ++m_at, token.kind = Tok::Ne;
                else if (peek() == u'=')
                    ++m_at, token.kind = Tok::Le;
                break;
            case u'>':
                token.kind = Tok::Gt;
                if (peek() == u'=')
                    ++m_at, token.kind = Tok::Ge;
                else if (peek() == u'<')
                    ++m_at, token.kind = Tok::Ne;
                break;
            default: --m_at; fail(errors::InvalidCharacter);
            }
        }
        m_tokens.push_back(std::move(token));
    }
}

void Lexer::lexNumber(Token &token)
{
    std::string text;
    bool real = false;
    while (isDigit(peek()))
        text += char(m_source[m_at++]);
    if (peek() == u'.' && isDigit(peek(1))) {
        real = true;
        text += char(m_source[m_at++]);
        while (isDigit(peek()))
            text += char(m_source[m_at++]);
    } else if (peek() == u'.' && !isLetter(peek(1))) {
        real = true;
        ++m_at;
    }
    if ((peek() | 0x20) == u'e' && (isDigit(peek(1)) || ((peek(1) == u'+' || peek(1) == u'-') && isDigit(peek(2))))) {
        real = true;
        text += 'e';
        ++m_at;
        if (peek() == u'+' || peek() == u'-')
            text += char(m_source[m_at++]);
        while (isDigit(peek()))
            text += char(m_source[m_at++]);
    }
    if (isLetter(peek()))
        fail(errors::ExpectedEndOfStatement);
    const double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value))
        fail(errors::InvalidNumber);
    if (!real && value <= 2147483647.0) {
        token.kind = Tok::Integer;
        token.intValue = std::strtoll(text.c_str(), nullptr, 10);
    } else {
        token.kind = Tok::Double;
        token.doubleValue = value;
    }
}

void Lexer::lexHex(Token &token)
{
    const int base = (peek(1) | 0x20) == u'h' ? 16 : 8;
    m_at += 2;
    uint64_t value = 0;
    int count = 0;
    while (true) {
        const char16_t c = peek();
        int d;
        if (isDigit(c))
            d = c - u'0';
        else if (base == 16 && (c | 0x20) >= u'a' && (c | 0x20) <= u'f')
            d = (c | 0x20) - u'a' + 10;
        else
            break;
        if (d >= base)
            fail(errors::InvalidNumber);
        value = value * base + d;
        if (value > 0xFFFFFFFFull)
            fail(errors::InvalidNumber);
        ++count;
        ++m_at;
    }
    if (count == 0)
        fail(errors::InvalidNumber);
    token.kind = Tok::Integer;
    if (peek() == u'&') {
        ++m_at;
        token.longSuffix = true;
        token.intValue = int32_t(uint32_t(value));
    } else if (value <= 0xFFFF) {
        token.intValue = int16_t(uint16_t(value));
    } else {
        token.intValue = int32_t(uint32_t(value));
        token.longSuffix = true;
    }
}

void Lexer::lexString(Token &token)
{
    ++m_at;
    token.kind = Tok::String;
    while (true) {
        if (m_at >= m_source.size() || peek() == u'\r' || peek() == u'\n')
            fail(errors::UnterminatedString);
        const char16_t c = m_source[m_at++];
        if (c == u'"') {
            if (peek() == u'"') {
                ++m_at;
                token.text += u'"';
                continue;
            }
            return;
        }
        token.text += c;
    }
}

void Lexer::lexDate(Token &token)
{
    ++m_at;
    const size_t start = m_at;
    while (m_at < m_source.size() && peek() != u'#' && peek() != u'\r' && peek() != u'\n')
        ++m_at;
    if (peek() != u'#')
        fail(errors::SyntaxError);
    const std::u16string_view text = m_source.substr(start, m_at - start);
    ++m_at;
    double serial;
    if (!datetime::parse(text, Language::English, true, serial))
        fail(errors::SyntaxError);
    token.kind = Tok::Date;
    token.doubleValue = serial;
}

void Lexer::lexWord(Token &token)
{
    const bool afterDot = !m_tokens.empty() && m_tokens.back().kind == Tok::Dot;
    if (peek() == u'[') {
        ++m_at;
        const size_t start = m_at;
        while (m_at < m_source.size() && peek() != u']' && peek() != u'\r' && peek() != u'\n')
            ++m_at;
        if (peek() != u']')
            fail(errors::ExpectedIdentifier);
        token.text = std::u16string(m_source.substr(start, m_at - start));
        ++m_at;
        token.kind = Tok::Identifier;
        token.key = foldName(token.text);
        return;
    }
    const size_t start = m_at;
    while (isLetter(peek()) || isDigit(peek()) || peek() == u'_')
        ++m_at;
    token.text = std::u16string(m_source.substr(start, m_at - start));
    if (token.text.size() > 255)
        fail(1030);
    token.key = foldName(token.text);
    token.kind = Tok::Identifier;
    if (!afterDot) {
        auto it = keywords().find(token.key);
        if (it != keywords().end())
            token.kind = it->second;
    }
}

} // namespace vbs
