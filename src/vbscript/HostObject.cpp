#include "vbscript/HostObject.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ScriptError.h"

namespace vbs {

bool HostObject::enumerate(std::vector<Variant> &)
{
    return false;
}

std::u16string foldName(std::u16string_view name)
{
    std::u16string folded(name);
    for (char16_t &c : folded)
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c = char16_t(c + 32);
    return folded;
}

DispatchObject::DispatchObject(std::u16string typeName) : m_typeName(std::move(typeName)) {}

void DispatchObject::addProperty(std::u16string_view name, Getter getter, Setter setter)
{
    Member &member = m_members[foldName(name)];
    member.getter = std::move(getter);
    member.setter = std::move(setter);
}

void DispatchObject::addMethod(std::u16string_view name, Method method)
{
    m_members[foldName(name)].method = std::move(method);
}

void DispatchObject::setDefaultMember(std::u16string_view name)
{
    m_default = foldName(name);
}

Variant DispatchObject::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    if (name.empty()) {
        if (m_default.empty())
            throw ScriptError(errors::NoSuchMember);
        name = m_default;
    }
    auto it = m_members.find(std::u16string(name));
    if (it == m_members.end())
        throw ScriptError(errors::NoSuchMember);
    Member &member = it->second;
    if (kind == Invoke::Let || kind == Invoke::Set) {
        if (!member.setter || args.empty())
            throw ScriptError(member.getter || member.method ? errors::WrongArguments : errors::NoSuchMember);
        member.setter(args.first(args.size() - 1), args.back());
        return {};
    }
    if (member.method)
        return member.method(args);
    if (member.getter)
        return member.getter(args);
    throw ScriptError(errors::NoSuchMember);
}

} // namespace vbs
