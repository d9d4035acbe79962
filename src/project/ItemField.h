#pragma once

#include "project/MenuButton.h"
#include "project/MenuText.h"

#include <QFlags>

// Which values of a button or a text changed, for views that follow the model.
enum class ButtonField {
    Position = 0x1,
    NormalImage = 0x2,
    HoverImage = 0x4,
    ClickImage = 0x8,
    Kind = 0x10,
    Code = 0x20,
    HoverCode = 0x40,
    Transparency = 0x80,
};
Q_DECLARE_FLAGS(ButtonFields, ButtonField)
Q_DECLARE_OPERATORS_FOR_FLAGS(ButtonFields)

enum class TextField {
    Content = 0x1,
    Colours = 0x2,
    Font = 0x4,
    Geometry = 0x8,
    Flags = 0x10,
    Presence = 0x20,
};
Q_DECLARE_FLAGS(TextFields, TextField)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextFields)

namespace itemfield {

ButtonFields changed(const MenuButton &before, const MenuButton &after);
TextFields changed(const MenuText &before, const MenuText &after);

} // namespace itemfield
