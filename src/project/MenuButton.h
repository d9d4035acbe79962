#pragma once

#include "project/ButtonKind.h"

#include <QString>

struct MenuButton
{
    float left = 200;
    float top = 200;
    QString normalImage;
    QString hoverImage;
    QString clickImage;
    ButtonKind kind = ButtonKind::None;
    QString otherKind; // the word of a kind read as ButtonKind::Other
    QString code;
    QString hoverCode;
    bool transparent = false;
    int transparentColour = 0;

    bool isDeleted() const { return kind == ButtonKind::Deleted; }
    QString kindWord() const { return buttonkind::word(kind, otherKind); }
    // Only a complete, living button is written to a project file.
    bool isStored() const;

    // The script a new code button starts with.
    static QString codeTemplate(int number);

    bool operator==(const MenuButton &) const = default;
};
