#include "project/ReadProblem.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QStringList ReadProblem::boxLines() const
{
    return {
        Phrases::text(Phrase::ErrorColon) + error.description,
        Phrases::text(Phrase::ErrorNumberColon) + QString::number(error.number),
        Phrases::text(Phrase::ParagraphColon) + section,
        Phrases::text(Phrase::NextLineColon) + lastLine,
        QString(),
        Phrases::text(Phrase::ContinueLoading),
    };
}

QString ReadProblem::boxText() const
{
    return boxLines().join(u"\r\n"_s);
}
