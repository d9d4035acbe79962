#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/Operators.h"

namespace vbs {

namespace {

using namespace builtin;

const Array &arrayArg(const Variant &v)
{
    if (!v.isArray())
        throw ScriptError(errors::TypeMismatch);
    return *v.arrayValue();
}

Variant fnArray(Interpreter &interp, std::span<Variant> a)
{
    return makeArray(interp, std::vector<Variant>(a.begin(), a.end()));
}

Variant bound(std::span<Variant> a, bool upper)
{
    const Array &array = arrayArg(a[0]);
    const int32_t dimension = longArg(a, 1, 1);
    if (array.upper.empty() || dimension < 1 || size_t(dimension) > array.upper.size())
        throw ScriptError(errors::SubscriptOutOfRange);
    return Variant::longValue(upper ? array.upper[size_t(dimension) - 1] : 0);
}

Variant fnUBound(Interpreter &, std::span<Variant> a) { return bound(a, true); }
Variant fnLBound(Interpreter &, std::span<Variant> a) { return bound(a, false); }

Variant fnJoin(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        throw ScriptError(errors::InvalidNull);
    if (a[0].isObject())
        throw ScriptError(errors::NoSuchMember);
    const Array &array = arrayArg(a[0]);
    if (array.upper.size() > 1)
        throw ScriptError(errors::TypeMismatch);
    const std::u16string separator = a.size() > 1 ? textArg(interp, a[1]) : u" ";
    std::u16string out;
    for (size_t i = 0; i < array.data.size(); ++i) {
        if (i)
            out += separator;
        if (array.data[i].isNull())
            throw ScriptError(errors::TypeMismatch);
        out += textArg(interp, array.data[i]);
        interp.checkString(out.size());
    }
    return Variant::string(std::move(out));
}

Variant fnSplit(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const std::u16string s = textArg(interp, a[0]);
    const std::u16string separator = present(a, 1) ? textArg(interp, a[1]) : u" ";
    int32_t limit = longArg(a, 2, -1);
    if (limit < -1)
        throw ScriptError(errors::InvalidCall);
    const bool tc = textCompareArg(a, 3);
    std::vector<Variant> parts;
    if (s.empty() || limit == 0)
        return makeArray(interp, std::move(parts));
    if (separator.empty())
        return makeArray(interp, {Variant::string(s)});
    size_t at = 0;
    while (limit < 0 || int32_t(parts.size()) < limit - 1) {
        size_t hit = std::u16string::npos;
        for (size_t i = at; i + separator.size() <= s.size(); ++i)
            if (ops::compareText(std::u16string_view(s).substr(i, separator.size()), separator, tc) == 0) {
                hit = i;
                break;
            }
        if (hit == std::u16string::npos)
            break;
        parts.push_back(Variant::string(s.substr(at, hit - at)));
        interp.checkArray(parts.size());
        at = hit + separator.size();
    }
    parts.push_back(Variant::string(s.substr(at)));
    return makeArray(interp, std::move(parts));
}

Variant fnFilter(Interpreter &interp, std::span<Variant> a)
{
    const Array &array = arrayArg(a[0]);
    if (array.upper.size() != 1)
        throw ScriptError(errors::TypeMismatch);
    if (a[1].isNull())
        throw ScriptError(errors::InvalidNull);
    const std::u16string match = textArg(interp, a[1]);
    const bool include = !present(a, 2) || conv::toBool(a[2]);
    const bool tc = textCompareArg(a, 3);
    std::vector<Variant> kept;
    for (const Variant &item : array.data) {
        if (item.isNull())
            throw ScriptError(errors::InvalidNull);
        const std::u16string text = textArg(interp, item);
        bool found = false;
        for (size_t i = 0; !found && i + match.size() <= text.size(); ++i)
            found = ops::compareText(std::u16string_view(text).substr(i, match.size()), match, tc) == 0;
        if (found == include)
            kept.push_back(Variant::string(text));
    }
    return makeArray(interp, std::move(kept));
}

constexpr BuiltinInfo kArrays[] = {
    {u"Array", 0, 1 << 20, fnArray}, {u"UBound", 1, 2, fnUBound}, {u"LBound", 1, 2, fnLBound},
    {u"Join", 1, 2, fnJoin},         {u"Split", 1, 4, fnSplit},   {u"Filter", 2, 4, fnFilter},
};

} // namespace

std::span<const BuiltinInfo> arrayBuiltins()
{
    return kArrays;
}

} // namespace vbs
