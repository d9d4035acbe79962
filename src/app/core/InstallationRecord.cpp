#include "app/core/InstallationRecord.h"

#include "app/core/AppIdentity.h"
#include "common/ProgramVersion.h"
#include "platform/SettingsStore.h"

using namespace Qt::StringLiterals;

InstallationRecord InstallationRecord::current(const QDateTime &now, const QLocale &locale)
{
    InstallationRecord r;
    r.programFolder = appid::programFolder();
    r.programFileName = appid::programFileName();
    r.version = version::majorMinor();
    r.time = locale.toString(now.time(), u"HH:mm:ss"_s);
    r.date = locale.toString(now.date(), QLocale::ShortFormat);
    return r;
}

void InstallationRecord::write(SettingsStore &store) const
{
    const QString section = u"General"_s;
    store.setValue(section, u"Chemin"_s, appid::withTrailingSeparator(programFolder));
    store.setValue(section, u"NomExe"_s, programFileName);
    store.setValue(section, u"Version"_s, version);
    store.setValue(section, u"DernHeure"_s, time);
    store.setValue(section, u"DernDate"_s, date);
    store.sync();
}
