#include "setup/core/SetupPlaces.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString withFinalSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

SetupPlaces SetupPlaces::forCurrentUser(const QString &sourceFolder)
{
    return {withFinalSeparator(sourceFolder),
            withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)),
            withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))};
}

QString SetupPlaces::groupFolder() const
{
    return programsFolder + u"ZEP - créateur de menus/"_s;
}
