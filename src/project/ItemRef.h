#pragma once

// One entry of the item chooser: the project itself, a button slot or a text slot.
enum class ItemKind { Project, Button, Text };

struct ItemRef
{
    ItemKind kind = ItemKind::Project;
    int slot = 0;

    static constexpr ItemRef project() { return {}; }
    static constexpr ItemRef button(int slot) { return {ItemKind::Button, slot}; }
    static constexpr ItemRef text(int slot) { return {ItemKind::Text, slot}; }

    bool operator==(const ItemRef &) const = default;
};
