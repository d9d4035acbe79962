#include "project/MenuButton.h"

using namespace Qt::StringLiterals;

bool MenuButton::isStored() const
{
    return !normalImage.isEmpty() && !hoverImage.isEmpty() && !clickImage.isEmpty() && !kindWord().isEmpty() &&
           !isDeleted();
}

QString MenuButton::codeTemplate(int number)
{
    const QString dashes = u'\'' + QString(78, u'-');
    return dashes + u"\r\n"_s
           + u"'Tapez ici le code VBS à exécuter quand le bouton "_s + QString::number(number) + u" est préssé.\r\n"_s
           + u"'NOTE : toutes les occurences de [LECT] seront automatiquement\r\n"_s
           + u"'remplacées par la lettre du lecteur en cours.\r\n"_s
           + u"'Exemple MsgBox \"[LECT]:\\\" affiche d:\\ si d est le lecteur en cours...\r\n"_s
           + dashes + u"\r\n"_s;
}
