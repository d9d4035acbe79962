#pragma once

#include <QString>

// A piece of generated VBScript and the title of the banner that frames it.
struct Snippet
{
    QString title;
    QString code;

    bool operator==(const Snippet &) const = default;
};
