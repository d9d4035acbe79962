#pragma once

#include "vbscript/HostObject.h"
#include "vbscript/Regex.h"
#include "vbscript/ScriptError.h"

#include <memory>

namespace vbs {

// The built-in RegExp object (New RegExp): Pattern, IgnoreCase, Global, Multiline,
// Test, Replace ($1 … $99, $&, $`, $', $$, or a GetRef function) and Execute (a
// Matches collection).
class RegExpObject : public HostObject
{
public:
    explicit RegExpObject(Language language);

    std::u16string typeName() const override { return u"IRegExp2"; }
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

private:
    const Regex &regex();
    std::u16string text(const Variant &value) const;
    Variant execute(std::u16string_view subject);
    std::u16string replace(std::u16string_view subject, const Variant &replacement);
    bool flag(std::u16string_view name, Invoke kind, std::span<Variant> args, bool &value);

    Language m_language;
    std::u16string m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    std::unique_ptr<Regex> m_regex; // compiled when first used after a change
};

} // namespace vbs
