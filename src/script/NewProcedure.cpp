#include "script/NewProcedure.h"

using namespace Qt::StringLiterals;

std::optional<NewProcedure> makeNewProcedure(const QString &name, ProcedureKind kind, ProcedureScope scope)
{
    if (name.isEmpty())
        return std::nullopt;
    QString underscored = name;
    underscored.replace(u' ', u'_');
    const QString type = kind == ProcedureKind::Function ? u"Function"_s : u"Sub"_s;
    const QString scopeCaption = scope == ProcedureScope::Private ? u"Private"_s : u"Public"_s;
    const QString newLine = u"\r\n"_s;
    return NewProcedure{underscored, newLine + scopeCaption + u' ' + type + u' ' + underscored + u"()"_s + newLine +
                                         newLine + u"End "_s + type};
}
