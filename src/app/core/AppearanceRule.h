#pragma once

#include "app/core/Appearance.h"

#include <optional>

// What applying an appearance does to one control of a tool window, so the window layer
// only walks its controls and sets what it is told. The window itself takes the
// appearance's window background.
class AppearanceRule
{
public:
    // What a control is, as far as the rule cares: which of the four properties it has.
    enum class Kind {
        TextField, // line and text edits
        Button,
        Choice, // check boxes, option buttons, lists, combo boxes
        Label,
        Frame,
        Picture,   // picture boxes: a surface that can take focus
        Image,     // a plain image: none of the four properties
        NonVisual, // timers, menus, dialogs
    };

    struct Control
    {
        QString name; // object name; names beginning with "Text" take the field background, as text fields do
        QString tag;  // "N_DESIGN" keeps the control's own colours and font
        Kind kind = Kind::TextField;
    };

    // Each property is set only when present; an absent one is left as it is.
    struct Look
    {
        std::optional<bool> tabStop;
        std::optional<int> background;
        std::optional<int> textColour;
        std::optional<QString> font;

        bool operator==(const Look &) const = default;
    };

    static QString keepDesignTag(); // "N_DESIGN"

    static Look lookFor(const Appearance &appearance, const Control &control);
};
