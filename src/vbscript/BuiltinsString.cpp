#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/Operators.h"

#include <algorithm>

namespace vbs {

namespace {

using namespace builtin;

// Windows-1252 characters 0x80 to 0x9F.
constexpr char16_t kHighAnsi[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u16string text(Interpreter &interp, const Variant &v)
{
    return textArg(interp, v);
}

size_t find(std::u16string_view hay, std::u16string_view needle, size_t from, bool textCompare)
{
    if (!textCompare)
        return hay.find(needle, from);
    if (needle.size() > hay.size())
        return std::u16string_view::npos;
    for (size_t i = from; i + needle.size() <= hay.size(); ++i)
        if (ops::compareText(hay.substr(i, needle.size()), needle, true) == 0)
            return i;
    return std::u16string_view::npos;
}

size_t rfind(std::u16string_view hay, std::u16string_view needle, size_t last, bool textCompare)
{
    if (needle.size() > hay.size())
        return std::u16string_view::npos;
    for (size_t i = std::min(last, hay.size() - needle.size()) + 1; i-- > 0;)
        if (ops::compareText(hay.substr(i, needle.size()), needle, textCompare) == 0)
            return i;
    return std::u16string_view::npos;
}

int32_t count(const Variant &v)
{
    const int32_t n = conv::toLong(v);
    if (n < 0)
        throw ScriptError(errors::InvalidCall);
    return n;
}

Variant fnLen(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::longValue(int32_t(text(interp, a[0]).size()));
}

Variant fnLeft(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::string(text(interp, a[0]).substr(0, size_t(count(a[1]))));
}

Variant fnRight(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const std::u16string s = text(interp, a[0]);
    const size_t n = std::min(size_t(count(a[1])), s.size());
    return Variant::string(s.substr(s.size() - n));
}

Variant fnMid(Interpreter &interp, std::span<Variant> a)
{
    // An omitted text is refused as an argument; an omitted number as Null would be.
    if (a[0].isMissing())
        throw ScriptError(errors::InvalidCall);
    if (a[1].isMissing() || (a.size() > 2 && a[2].isMissing()))
        throw ScriptError(errors::InvalidNull);
    if (a[0].isNull())
        return Variant::null();
    const int32_t start = conv::toLong(a[1]);
    if (start < 1)
        throw ScriptError(errors::InvalidCall);
    const std::u16string s = text(interp, a[0]);
    if (size_t(start) > s.size())
        return Variant::string(u"");
    const size_t n = present(a, 2) ? size_t(count(a[2])) : s.size();
    return Variant::string(s.substr(size_t(start) - 1, n));
}

Variant fnInStr(Interpreter &interp, std::span<Variant> a)
{
    const std::optional<SearchArgs> search = searchArgs(interp, a);
    if (!search)
        return Variant::null();
    const auto &[start, hay, needle, tc] = *search;
    if (size_t(start) > hay.size())
        return Variant::longValue(0);
    if (needle.empty())
        return Variant::longValue(start);
    const size_t at = find(hay, needle, size_t(start) - 1, tc);
    return Variant::longValue(at == std::u16string::npos ? 0 : int32_t(at) + 1);
}

Variant fnInStrRev(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull() || a[1].isNull())
        return Variant::null();
    const std::u16string hay = text(interp, a[0]), needle = text(interp, a[1]);
    int32_t start = longArg(a, 2, -1);
    if (start == 0 || start < -1)
        throw ScriptError(errors::InvalidCall);
    if (start == -1)
        start = int32_t(hay.size());
    if (size_t(start) > hay.size())
        return Variant::longValue(0);
    if (needle.empty())
        return Variant::longValue(start);
    if (size_t(start) < needle.size())
        return Variant::longValue(0);
    const size_t at = rfind(hay, needle, size_t(start) - needle.size(), textCompareArg(a, 3));
    return Variant::longValue(at == std::u16string::npos ? 0 : int32_t(at) + 1);
}

Variant fnReplace(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    if (a[1].isNull() || a[2].isNull())
        throw ScriptError(errors::InvalidNull);
    const std::u16string s = text(interp, a[0]), what = text(interp, a[1]), with = text(interp, a[2]);
    const int32_t start = longArg(a, 3, 1);
    int32_t limit = longArg(a, 4, -1);
    if (start < 1 || limit < -1)
        throw ScriptError(errors::InvalidCall);
    const bool tc = textCompareArg(a, 5);
    if (size_t(start) > s.size())
        return Variant::string(u"");
    const std::u16string_view rest = std::u16string_view(s).substr(size_t(start) - 1);
    if (what.empty() || limit == 0)
        return Variant::string(std::u16string(rest));
    std::u16string out;
    size_t at = 0;
    while (limit != 0) {
        const size_t hit = find(rest, what, at, tc);
        if (hit == std::u16string_view::npos)
            break;
        out.append(rest.substr(at, hit - at));
        out.append(with);
        interp.checkString(out.size());
        at = hit + what.size();
        if (limit > 0)
            --limit;
    }
    out.append(rest.substr(at));
    interp.checkString(out.size());
    return Variant::string(std::move(out));
}

Variant fnCase(Interpreter &interp, std::span<Variant> a, bool up)
{
    if (a[0].isNull())
        return Variant::null();
    std::u16string s = text(interp, a[0]);
    for (char16_t &c : s)
        c = up ? ops::upper(c) : ops::lower(c);
    return Variant::string(std::move(s));
}

Variant fnUCase(Interpreter &interp, std::span<Variant> a) { return fnCase(interp, a, true); }
Variant fnLCase(Interpreter &interp, std::span<Variant> a) { return fnCase(interp, a, false); }

Variant fnTrimSides(Interpreter &interp, std::span<Variant> a, bool left, bool right)
{
    if (a[0].isNull())
        return Variant::null();
    const std::u16string s = text(interp, a[0]);
    size_t b = 0, e = s.size();
    while (left && b < e && s[b] == u' ')
        ++b;
    while (right && e > b && s[e - 1] == u' ')
        --e;
    return Variant::string(s.substr(b, e - b));
}

Variant fnTrim(Interpreter &interp, std::span<Variant> a) { return fnTrimSides(interp, a, true, true); }
Variant fnLTrim(Interpreter &interp, std::span<Variant> a) { return fnTrimSides(interp, a, true, false); }
Variant fnRTrim(Interpreter &interp, std::span<Variant> a) { return fnTrimSides(interp, a, false, true); }

Variant fnSpace(Interpreter &interp, std::span<Variant> a)
{
    const int32_t n = count(a[0]);
    interp.checkString(size_t(n));
    return Variant::string(std::u16string(size_t(n), u' '));
}

Variant fnString(Interpreter &interp, std::span<Variant> a)
{
    if (a[1].isNull())
        return Variant::null();
    const int32_t n = count(a[0]);
    char16_t c;
    if (a[1].isString()) {
        if (a[1].stringValue().empty())
            throw ScriptError(errors::InvalidCall);
        c = a[1].stringValue()[0];
    } else {
        c = char16_t(conv::toLong(a[1]) & 0xFF);
        if (c >= 0x80 && c <= 0x9F)
            c = kHighAnsi[c - 0x80];
    }
    interp.checkString(size_t(n));
    return Variant::string(std::u16string(size_t(n), c));
}

Variant fnStrReverse(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        throw ScriptError(errors::InvalidNull);
    std::u16string s = text(interp, a[0]);
    std::reverse(s.begin(), s.end());
    return Variant::string(std::move(s));
}

Variant fnStrComp(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull() || a[1].isNull())
        return Variant::null();
    return Variant::integer(int16_t(ops::compareText(text(interp, a[0]), text(interp, a[1]), textCompareArg(a, 2))));
}

Variant fnChr(Interpreter &, std::span<Variant> a)
{
    const int32_t code = conv::toLong(a[0]);
    if (code < 0 || code > 255)
        throw ScriptError(errors::InvalidCall);
    const char16_t c = code >= 0x80 && code <= 0x9F ? kHighAnsi[code - 0x80] : char16_t(code);
    return Variant::string(std::u16string(1, c));
}

Variant fnChrW(Interpreter &, std::span<Variant> a)
{
    const int32_t code = conv::toLong(a[0]);
    if (code < -32768 || code > 65535)
        throw ScriptError(errors::InvalidCall);
    return Variant::string(std::u16string(1, char16_t(code & 0xFFFF)));
}

std::u16string firstChar(Interpreter &interp, const Variant &v)
{
    if (v.isNull())
        throw ScriptError(errors::InvalidNull);
    std::u16string s = text(interp, v);
    if (s.empty())
        throw ScriptError(errors::InvalidCall);
    return s;
}

Variant fnAsc(Interpreter &interp, std::span<Variant> a)
{
    const char16_t c = firstChar(interp, a[0])[0];
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return Variant::integer(int16_t(c));
    for (int i = 0; i < 32; ++i)
        if (kHighAnsi[i] == c)
            return Variant::integer(int16_t(0x80 + i));
    return Variant::integer(63);
}

Variant fnAscW(Interpreter &interp, std::span<Variant> a)
{
    return Variant::integer(int16_t(firstChar(interp, a[0])[0]));
}

constexpr BuiltinInfo kStrings[] = {
    {u"Len", 1, 1, fnLen},           {u"Left", 2, 2, fnLeft},         {u"Right", 2, 2, fnRight},
    {u"Mid", 2, 3, fnMid},           {u"InStr", 2, 4, fnInStr},       {u"InStrRev", 2, 4, fnInStrRev},
    {u"Replace", 3, 6, fnReplace},   {u"UCase", 1, 1, fnUCase},       {u"LCase", 1, 1, fnLCase},
    {u"Trim", 1, 1, fnTrim},         {u"LTrim", 1, 1, fnLTrim},       {u"RTrim", 1, 1, fnRTrim},
    {u"Space", 1, 1, fnSpace},       {u"String", 2, 2, fnString},     {u"StrReverse", 1, 1, fnStrReverse},
    {u"StrComp", 2, 3, fnStrComp},   {u"Chr", 1, 1, fnChr},           {u"ChrW", 1, 1, fnChrW},
    {u"Asc", 1, 1, fnAsc},           {u"AscW", 1, 1, fnAscW},
};

} // namespace

std::span<const BuiltinInfo> stringBuiltins()
{
    return kStrings;
}

} // namespace vbs
