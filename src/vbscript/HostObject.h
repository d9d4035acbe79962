#pragma once

#include "vbscript/Variant.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vbs {

enum class Invoke { Get, Let, Set, Call };

// An object a script can use. Member names arrive folded to lower case; the empty name
// is the default member. For Let and Set the value is the last argument. A missing
// member throws ScriptError(438).
class HostObject
{
public:
    virtual ~HostObject() = default;
    virtual std::u16string typeName() const { return u"Object"; }
    virtual Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) = 0;
    // The items of For Each; false when the object is not a collection (error 451).
    virtual bool enumerate(std::vector<Variant> &items);
};

// A host object made of named properties and methods.
class DispatchObject : public HostObject
{
public:
    using Getter = std::function<Variant(std::span<Variant> args)>;
    using Setter = std::function<void(std::span<Variant> args, const Variant &value)>;
    using Method = std::function<Variant(std::span<Variant> args)>;

    explicit DispatchObject(std::u16string typeName = u"Object");

    void addProperty(std::u16string_view name, Getter getter, Setter setter = {});
    void addMethod(std::u16string_view name, Method method);
    void setDefaultMember(std::u16string_view name);

    std::u16string typeName() const override { return m_typeName; }
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

private:
    struct Member
    {
        Getter getter;
        Setter setter;
        Method method;
    };
    std::u16string m_typeName;
    std::unordered_map<std::u16string, Member> m_members;
    std::u16string m_default;
};

// Lower-case folding of names (ASCII and Latin-1 letters).
std::u16string foldName(std::u16string_view name);

} // namespace vbs
