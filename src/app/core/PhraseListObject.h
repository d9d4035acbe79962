#pragma once

#include "vbscript/HostObject.h"

#include <QStringList>

#include <optional>

// A list as pack scripts know it (AddItem, RemoveItem, Clear, ListCount, List(i)),
// over a list of texts kept elsewhere.
class PhraseListObject : public vbs::HostObject
{
public:
    explicit PhraseListObject(QStringList &items) : m_items(items) {}

    std::u16string typeName() const override { return u"ListBox"; }
    vbs::Variant invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args) override;

    // The list members shared with the list controls of windows; nullopt when name is
    // none of them.
    static std::optional<vbs::Variant> invokeList(QStringList &items, std::u16string_view name, vbs::Invoke kind,
                                                  std::span<vbs::Variant> args);

private:
    QStringList &m_items;
};
