#pragma once

#include <QString>

#include <optional>

// The automatic formatter: spaces around operators outside strings and comments,
// a capital after ".", no indentation, and a few keywords and tokens in their
// usual letter case.
namespace scriptformatter {

// Texts this long or longer are left as typed.
inline constexpr qsizetype kSizeLimit = 50001;

struct Result
{
    QString text;
    qsizetype caret = 0;
};

// One pass over a text; a text at the size limit or beyond comes back unchanged.
QString format(const QString &text);

// One pass as the code box runs it: nothing when the text stays as it is; otherwise
// the new text and the caret moved by the change in length, plus two, kept inside
// the text.
std::optional<Result> pass(const QString &text, qsizetype caret);

} // namespace scriptformatter
