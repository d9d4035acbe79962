#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/Operators.h"

namespace vbs {

namespace {

using namespace builtin;

constexpr char16_t kHex[] = u"0123456789ABCDEF";

bool keptByEscape(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           std::u16string_view(u"@*_+-./").find(c) != std::u16string_view::npos;
}

Variant fnEscape(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    std::u16string out;
    for (char16_t c : textArg(interp, a[0])) {
        if (keptByEscape(c)) {
            out += c;
        } else if (c < 0x100) {
            out += {u'%', kHex[c >> 4], kHex[c & 15]};
        } else {
            out += {u'%', u'u', kHex[c >> 12], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15], kHex[c & 15]};
        }
        interp.checkString(out.size());
    }
    return Variant::string(std::move(out));
}

int hexDigits(std::u16string_view text, size_t at, size_t count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        const char16_t c = text[i];
        const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                          : c >= u'a' && c <= u'f' ? c - u'a' + 10
                          : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                                   : -1;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

Variant fnUnescape(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const std::u16string text = textArg(interp, a[0]);
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        int value;
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] == u'u' && (value = hexDigits(text, i + 2, 4)) >= 0) {
            out += char16_t(value);
            i += 5;
        } else if (text[i] == u'%' && (value = hexDigits(text, i + 1, 2)) >= 0) {
            out += char16_t(value);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return Variant::string(std::move(out));
}

// Byte counts and positions over UTF-16 text: two bytes a character; an odd count
// stops before the character it would cut.
int32_t byteCount(const Variant &v)
{
    const int32_t n = conv::toLong(v);
    if (n < 0)
        throw ScriptError(errors::InvalidCall);
    return n;
}

Variant fnLenB(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::longValue(int32_t(textArg(interp, a[0]).size() * 2));
}

Variant fnLeftB(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::string(textArg(interp, a[0]).substr(0, size_t(byteCount(a[1])) / 2));
}

Variant fnRightB(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const std::u16string s = textArg(interp, a[0]);
    const size_t n = std::min(size_t(byteCount(a[1])) / 2, s.size());
    return Variant::string(s.substr(s.size() - n));
}

Variant fnMidB(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const int32_t start = conv::toLong(a[1]);
    if (start < 1)
        throw ScriptError(errors::InvalidCall);
    const std::u16string s = textArg(interp, a[0]);
    const size_t first = size_t(start - 1) / 2;
    if (first >= s.size())
        return Variant::string(u"");
    const size_t count = present(a, 2) ? size_t(byteCount(a[2])) / 2 : s.size();
    return Variant::string(s.substr(first, count));
}

Variant fnAscB(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        throw ScriptError(errors::InvalidNull);
    const std::u16string s = textArg(interp, a[0]);
    if (s.empty())
        throw ScriptError(errors::InvalidCall);
    return Variant::byte(uint8_t(s[0] & 0xFF));
}

Variant fnChrB(Interpreter &, std::span<Variant> a)
{
    const int32_t code = conv::toLong(a[0]);
    if (code < 0 || code > 255)
        throw ScriptError(errors::InvalidCall);
    return Variant::string(std::u16string(1, char16_t(code)));
}

Variant fnInStrB(Interpreter &interp, std::span<Variant> a)
{
    const std::optional<SearchArgs> search = searchArgs(interp, a);
    if (!search)
        return Variant::null();
    const auto &[start, hay, needle, textCompare] = *search;
    const size_t from = size_t(start) / 2; // the first whole character at or after the byte
    if (from > hay.size())
        return Variant::longValue(0);
    if (needle.empty())
        return Variant::longValue(start);
    for (size_t i = from; i + needle.size() <= hay.size(); ++i)
        if (ops::compareText(std::u16string_view(hay).substr(i, needle.size()), needle, textCompare) == 0)
            return Variant::longValue(int32_t(i * 2 + 1));
    return Variant::longValue(0);
}

constexpr BuiltinInfo kEncodings[] = {
    {u"Escape", 1, 1, fnEscape}, {u"Unescape", 1, 1, fnUnescape}, {u"LenB", 1, 1, fnLenB},
    {u"LeftB", 2, 2, fnLeftB},   {u"RightB", 2, 2, fnRightB},     {u"MidB", 2, 3, fnMidB},
    {u"AscB", 1, 1, fnAscB},     {u"ChrB", 1, 1, fnChrB},         {u"InStrB", 2, 4, fnInStrB},
};

} // namespace

std::span<const BuiltinInfo> encodingBuiltins()
{
    return kEncodings;
}

} // namespace vbs
