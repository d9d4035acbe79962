#include "common/Fold.h"

using namespace Qt::StringLiterals;

namespace fold {

QString fold(const QString &multiLine)
{
    QString out = multiLine;
    return out.replace(u"\r\n"_s, QString(kFoldMark));
}

QString unfold(const QString &line)
{
    QString out = line;
    return out.replace(kFoldMark, u"\r\n"_s);
}

} // namespace fold
