#include "prompt/FileFilter.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(u';', u' ');
        entries << parts[i].trimmed() + u" ("_s + patterns + u')';
    }
    if (entries.isEmpty() && !filter.trimmed().isEmpty())
        entries << filter.trimmed();
    return entries.join(u";;"_s);
}
