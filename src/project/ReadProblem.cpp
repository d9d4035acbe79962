#include "project/ReadProblem.h"

using namespace Qt::StringLiterals;

QStringList ReadProblem::boxLines() const
{
    return {
        u"Erreur : "_s + error.description,
        u"Numéro d'erreur : "_s + QString::number(error.number),
        u"Paragraphe : "_s + section,
        u"Ligne suivante : "_s + lastLine,
        QString(),
        u"Continuer le chargement ?"_s,
    };
}

QString ReadProblem::boxText() const
{
    return boxLines().join(u"\r\n"_s);
}
