#include "vbscript/RegExpObject.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/RegExpMatch.h"
#include "vbscript/ValueCollection.h"

namespace vbs {

namespace {

// Appends the replacement with its $ references resolved.
void expand(std::u16string &out, std::u16string_view replacement, std::u16string_view subject,
            const std::vector<int> &captures)
{
    const int groups = int(captures.size() / 2) - 1;
    auto group = [&](int n) {
        const int from = captures[size_t(2 * n)], to = captures[size_t(2 * n + 1)];
        if (from >= 0 && to >= from)
            out.append(subject.substr(size_t(from), size_t(to - from)));
    };
    for (size_t i = 0; i < replacement.size(); ++i) {
        const char16_t c = replacement[i];
        if (c != u'$' || i + 1 >= replacement.size()) {
            out += c;
            continue;
        }
        const char16_t next = replacement[i + 1];
        if (next == u'$') {
            out += u'$';
            ++i;
        } else if (next == u'&') {
            group(0);
            ++i;
        } else if (next == u'`') {
            out.append(subject.substr(0, size_t(captures[0])));
            ++i;
        } else if (next == u'\'') {
            out.append(subject.substr(size_t(captures[1])));
            ++i;
        } else if (next >= u'0' && next <= u'9') {
            int n = next - u'0';
            size_t used = 1;
            if (i + 2 < replacement.size() && replacement[i + 2] >= u'0' && replacement[i + 2] <= u'9' &&
                n * 10 + (replacement[i + 2] - u'0') <= groups) {
                n = n * 10 + (replacement[i + 2] - u'0');
                used = 2;
            }
            if (n >= 1 && n <= groups) {
                group(n);
                i += used;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
}

} // namespace

RegExpObject::RegExpObject(Language language) : m_language(language) {}

const Regex &RegExpObject::regex()
{
    if (!m_regex)
        m_regex = std::make_unique<Regex>(m_pattern, m_ignoreCase, m_multiline);
    return *m_regex;
}

std::u16string RegExpObject::text(const Variant &value) const
{
    return value.isString() ? value.stringValue() : conv::toString(value, m_language);
}

bool RegExpObject::flag(std::u16string_view name, Invoke kind, std::span<Variant> args, bool &value)
{
    if (kind == Invoke::Let) {
        value = conv::toBool(args.back());
        m_regex.reset();
        return true;
    }
    if (kind == Invoke::Set || !args.empty())
        throw ScriptError(name.empty() ? errors::NoSuchMember : errors::WrongArguments);
    return value;
}

Variant RegExpObject::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    const bool set = kind == Invoke::Let || kind == Invoke::Set;
    if (name == u"pattern") {
        if (kind == Invoke::Let) {
            m_pattern = text(args.back());
            m_regex.reset();
            return {};
        }
        return Variant::string(m_pattern);
    }
    if (name == u"ignorecase")
        return Variant::boolean(flag(name, kind, args, m_ignoreCase));
    if (name == u"global")
        return Variant::boolean(flag(name, kind, args, m_global));
    if (name == u"multiline")
        return Variant::boolean(flag(name, kind, args, m_multiline));
    if (set)
        throw ScriptError(errors::NoSuchMember);
    if (name == u"test") {
        if (args.size() != 1)
            throw ScriptError(errors::WrongArguments);
        std::vector<int> captures;
        return Variant::boolean(regex().search(text(args[0]), 0, captures));
    }
    if (name == u"replace") {
        if (args.size() != 2)
            throw ScriptError(errors::WrongArguments);
        return Variant::string(replace(text(args[0]), args[1]));
    }
    if (name == u"execute") {
        if (args.size() != 1)
            throw ScriptError(errors::WrongArguments);
        return execute(text(args[0]));
    }
    throw ScriptError(errors::NoSuchMember);
}

Variant RegExpObject::execute(std::u16string_view subject)
{
    const Regex &re = regex();
    std::vector<Variant> matches;
    std::vector<int> captures;
    size_t from = 0;
    while (from <= subject.size() && re.search(subject, from, captures)) {
        const size_t start = size_t(captures[0]), end = size_t(captures[1]);
        std::vector<Variant> subMatches;
        for (int g = 1; g <= re.groupCount(); ++g) {
            const int a = captures[size_t(2 * g)], b = captures[size_t(2 * g + 1)];
            subMatches.push_back(a >= 0 && b >= a ? Variant::string(std::u16string(subject.substr(size_t(a), size_t(b - a))))
                                                  : Variant());
        }
        matches.push_back(Variant::object(std::make_shared<RegExpMatch>(
            std::u16string(subject.substr(start, end - start)), int32_t(start), std::move(subMatches))));
        if (!m_global)
            break;
        from = end == start ? end + 1 : end;
    }
    return Variant::object(std::make_shared<ValueCollection>(u"IMatchCollection2", std::move(matches)));
}

std::u16string RegExpObject::replace(std::u16string_view subject, const Variant &replacement)
{
    // A GetRef function as the replacement receives the match, each group, the position and the text.
    const std::shared_ptr<HostObject> function = replacement.isObject() ? replacement.objectValue() : nullptr;
    const std::u16string with = function ? std::u16string() : text(replacement);
    const Regex &re = regex();
    std::u16string out;
    std::vector<int> captures;
    size_t from = 0, copied = 0;
    while (from <= subject.size() && re.search(subject, from, captures)) {
        const size_t start = size_t(captures[0]), end = size_t(captures[1]);
        out.append(subject.substr(copied, start - copied));
        if (function) {
            std::vector<Variant> args;
            for (int g = 0; g <= re.groupCount(); ++g) {
                const int a = captures[size_t(2 * g)], b = captures[size_t(2 * g + 1)];
                args.push_back(a >= 0 && b >= a ? Variant::string(std::u16string(subject.substr(size_t(a), size_t(b - a))))
                                                : Variant::string(u""));
            }
            args.push_back(Variant::longValue(int32_t(start)));
            args.push_back(Variant::string(std::u16string(subject)));
            out += text(function->invoke(u"", Invoke::Get, args));
        } else {
            expand(out, with, subject, captures);
        }
        copied = end;
        if (!m_global)
            break;
        from = end == start ? end + 1 : end;
    }
    out.append(subject.substr(copied));
    return out;
}

} // namespace vbs
