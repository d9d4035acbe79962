#include "project/ProjectSettings.h"

#include "common/Phrases.h"

QString ProjectSettings::defaultIconMarker()
{
    return u'(' + Phrases::text(Phrase::DefaultIcon) + u')';
}

bool ProjectSettings::isIconMarker(const QString &icon)
{
    return icon.startsWith(u'(') && icon.endsWith(u')');
}
