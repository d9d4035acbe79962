#pragma once

#include <QString>

struct MenuButton
{
    static inline const QString kDeletedKind = QStringLiteral("suppr");

    float left = 200;
    float top = 200;
    QString normalImage;
    QString hoverImage;
    QString clickImage;
    QString kind; // "vidéo", "quitter", "code"; "suppr" once deleted
    QString code;
    QString hoverCode;
    bool transparent = false;
    int transparentColour = 0;

    bool isDeleted() const { return kind == kDeletedKind; }
    // Only a complete, living button is written to a project file.
    bool isStored() const;

    // The script a new "code" button starts with.
    static QString codeTemplate(int number);

    bool operator==(const MenuButton &) const = default;
};
