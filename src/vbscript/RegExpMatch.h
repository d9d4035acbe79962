#pragma once

#include "vbscript/HostObject.h"

namespace vbs {

// One match of a RegExp: Value (the default member), FirstIndex (from 0), Length and
// SubMatches.
class RegExpMatch : public HostObject
{
public:
    RegExpMatch(std::u16string value, int32_t firstIndex, std::vector<Variant> subMatches);

    std::u16string typeName() const override { return u"IMatch2"; }
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

private:
    std::u16string m_value;
    int32_t m_firstIndex;
    Variant m_subMatches;
};

} // namespace vbs
