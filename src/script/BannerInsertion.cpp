#include "script/BannerInsertion.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kBannerWidth = 60;

} // namespace

QString bannerBlock(const QString &title, const QString &code)
{
    QString padded = title;
    if (padded.size() % 2 == 0)
        padded += u' ';
    const qsizetype fill = std::max<qsizetype>((kBannerWidth - padded.size()) / 2, 0);
    const qsizetype closingFill = std::max<qsizetype>(fill - 2, 0);
    const QString newLine = u"\r\n"_s;
    return newLine + u'\'' + QString(fill, u'#') + padded + QString(fill, u'#') + newLine + code + newLine + u'\'' +
           QString(closingFill, u'#') + u"Fin "_s + padded.toLower() + QString(closingFill, u'#') + newLine;
}

EditorText insertWithBanner(const EditorText &editor, const Snippet &snippet)
{
    const qsizetype size = editor.text.size();
    const qsizetype start = std::clamp<qsizetype>(editor.selectionStart, 0, size);
    const qsizetype end = std::clamp<qsizetype>(start + std::max<qsizetype>(editor.selectionLength, 0), start, size);
    const QString block = bannerBlock(snippet.title, snippet.code);
    EditorText result;
    result.text = editor.text.left(start) + block + editor.text.mid(end);
    result.selectionStart = start + block.size();
    return result;
}
