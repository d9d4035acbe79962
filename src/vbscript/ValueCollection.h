#pragma once

#include "vbscript/HostObject.h"

#include <vector>

namespace vbs {

// A read-only collection with Count and Item (its default member) that For Each
// walks: a RegExp's Matches and a Match's SubMatches.
class ValueCollection : public HostObject
{
public:
    ValueCollection(std::u16string typeName, std::vector<Variant> items);

    std::u16string typeName() const override { return m_typeName; }
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;
    bool enumerate(std::vector<Variant> &items) override;

private:
    std::u16string m_typeName;
    std::vector<Variant> m_items;
};

} // namespace vbs
