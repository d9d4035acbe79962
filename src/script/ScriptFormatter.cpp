#include "script/ScriptFormatter.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct Replacement
{
    QStringView found;
    QStringView replacement;
};

constexpr std::array kReplacements{
    Replacement{u"<  >", u"<>"},           Replacement{u"<  =", u"<="},
    Replacement{u">  =", u">="},           Replacement{u"[LECT]", u"[LECT]"},
    Replacement{u"[CHEMIN]", u"[CHEMIN]"}, Replacement{u"[JOINDRE]", u"[JOINDRE]"},
    Replacement{u"MsgBox", u"MsgBox"},     Replacement{u"InoutBox", u"InputBox"},
    Replacement{u"InputBox", u"InputBox"}, Replacement{u"CreateObject", u"CreateObject"},
    Replacement{u"Endif", u"End If"},      Replacement{u"Dim", u"Dim"},
};

bool isOperator(QChar c)
{
    switch (c.unicode()) {
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'=':
    case u'&':
    case u'\\':
    case u'>':
    case u'<':
        return true;
    default:
        return false;
    }
}

void appendFormattedLine(QString &out, QStringView line)
{
    const qsizetype start = out.size();
    const qsizetype last = line.size() - 1;
    bool inString = false;
    bool inComment = false;
    for (qsizetype p = 0; p <= last; ++p) {
        const QChar c = line[p];
        if (c == u'"')
            inString = !inString;
        if (c == u'\'')
            inComment = true;
        if (inString || inComment) {
            out += c;
        } else if (isOperator(c) && p > 0 && p < last && (line[p - 1] != u' ' || line[p + 1] != u' ')) {
            out += u' ';
            out += c;
            out += u' ';
        } else if (p > 0 && line[p - 1] == u'.') {
            out += c.toUpper();
        } else {
            out += c;
        }
    }
    qsizetype end = out.size();
    while (end > start && out[end - 1] == u' ')
        --end;
    out.truncate(end);
    qsizetype lead = start;
    while (lead < end && out[lead] == u' ')
        ++lead;
    out.remove(start, lead - start);
}

} // namespace

namespace scriptformatter {

QString format(const QString &text)
{
    if (text.size() >= kSizeLimit)
        return text;
    const QStringView lineBreak = u"\r\n";
    QString joined;
    joined.reserve(text.size() + text.size() / 4);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(lineBreak, from);
        appendFormattedLine(joined, QStringView(text).mid(from, at < 0 ? -1 : at - from));
        if (at < 0)
            break;
        joined += lineBreak;
        from = at + lineBreak.size();
    }
    for (const Replacement &entry : kReplacements)
        joined.replace(entry.found.data(), entry.found.size(), entry.replacement.data(), entry.replacement.size(),
                       Qt::CaseInsensitive);
    return joined;
}

std::optional<Result> pass(const QString &text, qsizetype caret)
{
    QString formatted = format(text);
    if (formatted == text)
        return std::nullopt;
    const qsizetype moved = caret + (formatted.size() - text.size()) + 2;
    const qsizetype size = formatted.size();
    return Result{std::move(formatted), std::clamp<qsizetype>(moved, 0, size)};
}

} // namespace scriptformatter
