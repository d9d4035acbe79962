#include "setup/core/SilentSetup.h"

#include "setup/core/Destination.h"
#include "setup/core/InstallObserver.h"
#include "setup/core/Installation.h"
#include "setup/core/UninstallFlow.h"
#include "setup/core/Uninstallation.h"
#include "setup/core/UninstallRecord.h"

#include <QDir>
#include <QProcess>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace silentsetup {

namespace {

class QuietObserver : public InstallObserver
{
    void copying(int, int, const QString &, const QString &) override {}
    void status(const QString &, const QString &) override {}
    void finished() override {}
};

int fail(const QString &message)
{
    std::fputs((message + u'\n').toUtf8().constData(), stderr);
    return 1;
}

} // namespace

int install(const SetupPlaces &places, const QString &destination)
{
    const QString folder = withFinalSeparator(QDir::cleanPath(destination));
    if (const destination::Refusal refusal = destination::check(folder, places.sourceFolder);
        refusal != destination::Refusal::None)
        return fail(destination::refusalText(refusal, folder));
    QuietObserver observer;
    Installation installation(places, folder, observer);
    if (const ZepError error = installation.prepare(); error.isError())
        return fail(u"Erreur n°"_s + QString::number(error.number) + u" : "_s + error.description + u"\n"_s +
                    u"Vérifez que ZEP soit fermé et redémarrez l'installation !"_s);
    installation.install();
    return 0;
}

int uninstall(const SetupPlaces &places)
{
    if (!uninstallrecord::liesIn(places.sourceFolder))
        return fail(u"Aucune installation de ZEP dans "_s + places.sourceFolder);
    Uninstallation removal(places, places.sourceFolder);
    if (!removal.isAllowed())
        return fail(UninstallFlow::refusalText(places.sourceFolder));
    removal.removeInstallation();
    if (const ZepError error = removal.writeCleanupScript(); error.isError())
        return fail(u"Erreur n°"_s + QString::number(error.number) + u" : "_s + error.description);
    runCleanupScript(removal.cleanupScriptPath());
    return 0;
}

void runCleanupScript(const QString &script)
{
    QProcess shell;
    shell.setStandardInputFile(QProcess::nullDevice());
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.start(u"/bin/sh"_s, {script});
    shell.waitForFinished(-1);
}

} // namespace silentsetup
