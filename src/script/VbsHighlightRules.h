#pragma once

#include <QList>
#include <QStringView>

// The coloured pieces of one line of VBScript. No VBScript token runs over a line
// end, so lines are tokenized on their own.
namespace vbshighlight {

enum class TokenKind { Keyword, String, Comment, Number };

struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    TokenKind kind = TokenKind::Keyword;

    bool operator==(const Span &) const = default;
};

bool isKeyword(QStringView word);

// Spans in line order; everything else is plain text.
QList<Span> spans(QStringView line);

} // namespace vbshighlight
