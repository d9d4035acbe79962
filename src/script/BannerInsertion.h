#pragma once

#include "script/Snippet.h"

#include <QString>

// The code box as the insertion sees it: text, caret and selection (the caret stands
// at the selection's start).
struct EditorText
{
    QString text;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;

    bool operator==(const EditorText &) const = default;
};

// The framed block: a 60-character opening banner holding the title, the code, and a
// 60-character closing banner holding "Fin " and the title in lower case. A title of
// even length takes a trailing space; titles too long for the banners get no fill.
QString bannerBlock(const QString &title, const QString &code);

// encadre: the selection is removed and the block takes its place; the caret ends
// after the block.
EditorText insertWithBanner(const EditorText &editor, const Snippet &snippet);
