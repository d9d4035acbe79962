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
    const QString data = withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString config = withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return {withFinalSeparator(sourceFolder),
            withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)),
            withFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)),
            data + u"desktop-directories/"_s, config + u"menus/applications-merged/"_s};
}

QString SetupPlaces::groupName()
{
    return u"ZEP - créateur de menus"_s;
}

QString SetupPlaces::groupFolder() const
{
    return programsFolder + groupName() + u'/';
}
