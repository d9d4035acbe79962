#pragma once

#include "vbscript/HostObject.h"

#include <vector>

// "Scripting.Dictionary": items by key, kept in the order they were added. Keys are
// compared as VBScript's binary comparison does.
class ScriptingDictionary : public vbs::HostObject
{
public:
    std::u16string typeName() const override { return u"Dictionary"; }
    vbs::Variant invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args) override;
    bool enumerate(std::vector<vbs::Variant> &items) override;

private:
    struct Entry
    {
        vbs::Variant key;
        vbs::Variant item;
    };

    Entry *find(const vbs::Variant &key);
    vbs::Variant itemAt(const vbs::Variant &key);
    vbs::Variant column(bool keys) const;

    std::vector<Entry> m_entries;
};
