#include "designer/Worksheet.h"

#include "common/NumberText.h"
#include "project/MenuProject.h"

using namespace Qt::StringLiterals;

Worksheet::Worksheet(MenuProject &project, QWidget *parent)
    : ToolWindow(u"Form3"_s, u"Feuille de travail - taille réduite"_s, parent), m_project(project)
{
    setAutoFillBackground(true);
    connect(&m_project, &MenuProject::settingChanged, this, &Worksheet::followProject);
    connect(&m_project, &MenuProject::projectReset, this, &Worksheet::followProject);
    followProject();
}

QString Worksheet::captionFor(double widthTwips, double heightTwips, double tppX, double tppY, bool fullScreen)
{
    if (fullScreen)
        return u"Feuille de travail - (sera affiché en plein écran)"_s;
    return u"Feuille de travail - "_s + QString::number(widthTwips) + u'x' + QString::number(heightTwips) + u" - "_s
           + QString::number(widthTwips / tppX) + u'x' + QString::number(heightTwips / tppY) + u"px"_s;
}

void Worksheet::followProject()
{
    const int colour = m_project.settings().backgroundColour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    setPalette(p);
}
