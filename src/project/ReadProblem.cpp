#include "project/ReadProblem.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QStringList ReadProblem::boxLines() const
{
    return {
        Phrases::text(133) + error.description,
        Phrases::text(196) + QString::number(error.number),
        Phrases::text(197) + section,
        Phrases::text(198) + lastLine,
        QString(),
        Phrases::text(199),
    };
}

QString ReadProblem::boxText() const
{
    return boxLines().join(u"\r\n"_s);
}
