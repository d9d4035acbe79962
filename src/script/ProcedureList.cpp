#include "script/ProcedureList.h"

#include "common/Phrases.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<QStringView, 6> kPrefixes{u"public sub",       u"private sub", u"public function",
                                               u"private function", u"function",    u"sub"};

} // namespace

ProcedureList ProcedureList::scan(const QString &text)
{
    ProcedureList list;
    list.m_entries << Phrases::text(Phrase::Procedures);
    list.m_declarations << u"RIEN"_s;
    const QStringView lineBreak = u"\r\n";
    const QStringView all(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(lineBreak, from);
        const QStringView line = all.mid(from, at < 0 ? -1 : at - from);
        for (const QStringView prefix : kPrefixes) {
            if (line.size() > prefix.size() && line.startsWith(prefix, Qt::CaseInsensitive)) {
                list.m_entries << line.mid(prefix.size() + 1).toString();
                list.m_declarations << line.toString();
            }
        }
        if (at < 0)
            break;
        from = at + lineBreak.size();
    }
    return list;
}

std::optional<qsizetype> ProcedureList::caretFor(const QString &chosen, const QString &text) const
{
    if (text.size() < 3)
        return std::nullopt;
    const qsizetype index = m_entries.indexOf(chosen, 1);
    if (index < 0)
        return std::nullopt;
    const qsizetype at = text.indexOf(m_declarations[index]);
    return at < 0 ? text.size() : at;
}
