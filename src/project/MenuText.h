#pragma once

#include <QString>

class QFont;

struct MenuText
{
    QString text;
    int backColour = 16777215;
    int textColour = 0;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 10;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
    float top = 200;
    float left = 200;
    float width = 2895;
    float height = 1455;
    QString flags = QStringLiteral("00"); // scroll bar, then read-only
    bool visible = true;
    // A deleted text keeps its slot and its content until the project is written.
    bool deleted = false;

    bool isDeleted() const { return deleted; }
    bool isStored() const { return visible && !isDeleted(); }
    bool hasScrollBar() const;
    bool isReadOnly() const;
    // The font the worksheet and the menu picture draw it with; size 8 when none is set.
    QFont font() const;

    bool operator==(const MenuText &) const = default;
};
