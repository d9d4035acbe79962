#include "common/DesignerFiles.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace designerfiles {

bool isWrittenByTheDesigner(const QString &entry)
{
    static const QStringList written = {u"zep_options.ini"_s, u"apparences.ini"_s, u"plugins.ini"_s, u"tmp"_s};
    return written.contains(entry, Qt::CaseInsensitive);
}

} // namespace designerfiles
