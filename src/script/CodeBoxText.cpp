#include "script/CodeBoxText.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct StandIn
{
    char16_t original;
    char16_t shown;
};

// Private-use characters: they never occur in a script read from a file.
constexpr std::array<StandIn, 5> kStandIns{{
    {u'\r', u'\uE00D'},
    {u'\n', u'\uE00A'},
    {u'\u2029', u'\uE029'},
    {u'\uFDD0', u'\uE0D0'},
    {u'\uFDD1', u'\uE0D1'},
}};

// Every break-like character as its stand-in; CR LF pairs are left as they are.
QString hideBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            result += u"\r\n"_s;
            ++i;
            continue;
        }
        const auto found = std::find_if(kStandIns.begin(), kStandIns.end(),
                                        [c](const StandIn &s) { return s.original == c.unicode(); });
        result += found == kStandIns.end() ? c : QChar(found->shown);
    }
    return result;
}

} // namespace

namespace codeboxtext {

QString toBox(const QString &script)
{
    QString box = hideBreaks(script);
    box.replace(u"\r\n"_s, u"\n"_s);
    return box;
}

QString fromBox(const QString &box)
{
    QString script;
    script.reserve(box.size() + box.size() / 16);
    for (const QChar c : box) {
        if (c == u'\n') {
            script += u"\r\n"_s;
            continue;
        }
        const auto found = std::find_if(kStandIns.begin(), kStandIns.end(),
                                        [c](const StandIn &s) { return s.shown == c.unicode(); });
        script += found == kStandIns.end() ? c : QChar(found->original);
    }
    return script;
}

QString pastedToBox(const QString &pasted)
{
    QString script = pasted;
    script.replace(u"\r\n"_s, u"\n"_s);
    script.replace(u'\r', u'\n');
    script.replace(u'\n', u"\r\n"_s);
    return toBox(script);
}

qsizetype toBoxPosition(const QString &script, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, script.size());
    qsizetype result = 0;
    for (qsizetype i = 0; i < position; ++i) {
        if (!(script[i] == u'\n' && i > 0 && script[i - 1] == u'\r'))
            ++result;
    }
    return result;
}

qsizetype fromBoxPosition(const QString &box, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, box.size());
    return position + QStringView(box).left(position).count(u'\n');
}

} // namespace codeboxtext
