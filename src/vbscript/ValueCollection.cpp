#include "vbscript/ValueCollection.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"

namespace vbs {

ValueCollection::ValueCollection(std::u16string typeName, std::vector<Variant> items)
    : m_typeName(std::move(typeName)), m_items(std::move(items))
{
}

Variant ValueCollection::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    if (kind == Invoke::Let || kind == Invoke::Set)
        throw ScriptError(errors::NoSuchMember);
    if (name == u"count") {
        if (!args.empty())
            throw ScriptError(errors::WrongArguments);
        return Variant::longValue(int32_t(m_items.size()));
    }
    if (!name.empty() && name != u"item")
        throw ScriptError(errors::NoSuchMember);
    if (args.size() != 1)
        throw ScriptError(errors::WrongArguments);
    const int32_t index = conv::toLong(args[0]);
    if (index < 0 || size_t(index) >= m_items.size())
        throw ScriptError(errors::InvalidCall);
    return m_items[size_t(index)];
}

bool ValueCollection::enumerate(std::vector<Variant> &items)
{
    items = m_items;
    return true;
}

} // namespace vbs
