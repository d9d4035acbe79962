#include "project/ProjectSettings.h"

bool ProjectSettings::isIconMarker(const QString &icon)
{
    return icon.startsWith(u'(') && icon.endsWith(u')');
}
