#include "player/core/ScriptingDictionary.h"

#include "vbscript/Operators.h"
#include "vbscript/ScriptError.h"

#include <algorithm>

ScriptingDictionary::Entry *ScriptingDictionary::find(const vbs::Variant &key)
{
    for (Entry &e : m_entries) {
        if (vbs::ops::compare(e.key, key, false, false) == 0)
            return &e;
    }
    return nullptr;
}

// Reading a missing key adds it with an empty item, as the runtime does.
vbs::Variant ScriptingDictionary::itemAt(const vbs::Variant &key)
{
    if (Entry *e = find(key))
        return e->item;
    m_entries.push_back({key, vbs::Variant()});
    return vbs::Variant();
}

vbs::Variant ScriptingDictionary::column(bool keys) const
{
    auto array = std::make_shared<vbs::Array>();
    array->upper = {static_cast<int32_t>(m_entries.size()) - 1};
    for (const Entry &e : m_entries)
        array->data.push_back(keys ? e.key : e.item);
    return vbs::Variant::array(array);
}

bool ScriptingDictionary::enumerate(std::vector<vbs::Variant> &items)
{
    for (const Entry &e : m_entries)
        items.push_back(e.key);
    return true;
}

vbs::Variant ScriptingDictionary::invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args)
{
    const auto need = [&](size_t count) {
        if (args.size() < count)
            throw vbs::ScriptError(450);
    };
    if (name.empty() || name == u"item") {
        need(1);
        if (kind == vbs::Invoke::Let || kind == vbs::Invoke::Set) {
            need(2);
            if (Entry *e = find(args[0]))
                e->item = args[1];
            else
                m_entries.push_back({args[0], args[1]});
            return vbs::Variant();
        }
        return itemAt(args[0]);
    }
    if (name == u"add") {
        need(2);
        if (find(args[0]))
            throw vbs::ScriptError(457, u"Cette clé est déjà associée à un élément de cette collection");
        m_entries.push_back({args[0], args[1]});
        return vbs::Variant();
    }
    if (name == u"exists") {
        need(1);
        return vbs::Variant::boolean(find(args[0]) != nullptr);
    }
    if (name == u"remove") {
        need(1);
        const auto at = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
            return vbs::ops::compare(e.key, args[0], false, false) == 0;
        });
        if (at == m_entries.end())
            throw vbs::ScriptError(32811, u"Élément introuvable");
        m_entries.erase(at);
        return vbs::Variant();
    }
    if (name == u"removeall") {
        m_entries.clear();
        return vbs::Variant();
    }
    if (name == u"count")
        return vbs::Variant::longValue(static_cast<int32_t>(m_entries.size()));
    if (name == u"keys")
        return column(true);
    if (name == u"items")
        return column(false);
    throw vbs::ScriptError(438);
}
