#include "vbscript/RegExpMatch.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ValueCollection.h"

namespace vbs {

RegExpMatch::RegExpMatch(std::u16string value, int32_t firstIndex, std::vector<Variant> subMatches)
    : m_value(std::move(value)), m_firstIndex(firstIndex),
      m_subMatches(Variant::object(std::make_shared<ValueCollection>(u"ISubMatches", std::move(subMatches))))
{
}

Variant RegExpMatch::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    if (kind == Invoke::Let || kind == Invoke::Set)
        throw ScriptError(errors::NoSuchMember);
    if (name == u"submatches" && args.size() == 1)
        return m_subMatches.objectValue()->invoke(u"", Invoke::Get, args);
    if (!args.empty())
        throw ScriptError(errors::WrongArguments);
    if (name.empty() || name == u"value")
        return Variant::string(m_value);
    if (name == u"firstindex")
        return Variant::longValue(m_firstIndex);
    if (name == u"length")
        return Variant::longValue(int32_t(m_value.size()));
    if (name == u"submatches")
        return m_subMatches;
    throw ScriptError(errors::NoSuchMember);
}

} // namespace vbs
