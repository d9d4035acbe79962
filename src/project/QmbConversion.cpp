#include "project/QmbConversion.h"

#include "common/PathText.h"
#include "prompt/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Conversion QMB"_s;

} // namespace

QmbConversion::QmbConversion(Prompter &prompter, QString programFolder)
    : m_prompter(prompter), m_programFolder(std::move(programFolder))
{
}

void QmbConversion::fail(const QString &text)
{
    m_prompter.message(text, kTitle, MessageIcon::Critical);
}

QString QmbConversion::convert(const QString &qmbPath)
{
    if (!QFileInfo(converterPath()).isExecutable()) {
        fail(u"Le programme de conversion des fichiers QMB est introuvable :\r\n"_s + converterPath());
        return {};
    }
    QString folder = pathtext::toHost(
        m_prompter.folder({u"Ce projet a besoin d'être ré-enregistré au format ZEP, choisissez un dossier :"_s}));
    if (folder.isEmpty()) {
        m_prompter.message(u"Erreur dossier !"_s, u"Erreur !"_s, MessageIcon::Critical);
        return {};
    }
    if (!folder.endsWith(u'/'))
        folder += u'/';
    const QString projectFolder = folder + pathtext::nameOf(qmbPath).replace(u".qmb"_s, QString()) + u'/';
    if (!QDir().mkpath(projectFolder)) {
        fail(u"Impossible de créer le dossier "_s + projectFolder + u" !"_s);
        return {};
    }
    const QString converted = runConverter(projectFolder, qmbPath);
    if (converted.isEmpty())
        return {};
    m_prompter.message(u"Il faudra redéfinir les actions des boutons car elles ne sont pas récupérables d'un fichier QMB."_s,
                       u"Conversion terminée"_s, MessageIcon::Information);
    return converted;
}

QString QmbConversion::runConverter(const QString &folder, const QString &qmbPath)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(converterPath(), {folder, pathtext::toHost(qmbPath)});
    if (!process.waitForStarted()) {
        fail(u"Le programme de conversion des fichiers QMB n'a pas pu être lancé :\r\n"_s + converterPath());
        return {};
    }
    if (!process.waitForFinished(m_timeoutMs)) {
        process.kill();
        process.waitForFinished();
        fail(u"La conversion du fichier QMB ne s'est pas terminée et a été arrêtée."_s);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString text = u"La conversion du fichier QMB a échoué (code "_s +
                       QString::number(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1) + u")."_s;
        const QString detail = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (!detail.isEmpty())
            text += u"\r\n"_s + detail;
        fail(text);
        return {};
    }
    QString printed;
    for (const QString &line : QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n')) {
        printed = line.trimmed();
        if (!printed.isEmpty())
            break;
    }
    const QString converted = printed.isEmpty() ? QString() : pathtext::resolve(folder, printed);
    if (converted.isEmpty() || !QFileInfo(converted).isFile()) {
        fail(u"La conversion n'a pas donné de projet à ouvrir"_s +
             (printed.isEmpty() ? u"."_s : u" :\r\n"_s + printed));
        return {};
    }
    return QFileInfo(converted).absoluteFilePath();
}
