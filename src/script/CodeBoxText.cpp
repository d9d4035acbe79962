#include "script/CodeBoxText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace codeboxtext {

QString toBox(const QString &script)
{
    QString box = script;
    box.replace(u"\r\n"_s, u"\n"_s);
    return box;
}

QString fromBox(const QString &box)
{
    QString script = box;
    script.replace(u'\n', u"\r\n"_s);
    return script;
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
