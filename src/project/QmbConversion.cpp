#include "project/QmbConversion.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

QmbConversion::QmbConversion(Prompter &prompter, QString programFolder)
    : m_prompter(prompter), m_programFolder(std::move(programFolder))
{
}

void QmbConversion::fail(const QString &text)
{
    m_prompter.message(text, Phrases::text(Phrase::QmbConversion), MessageIcon::Critical);
}

QString QmbConversion::convert(const QString &qmbPath)
{
    if (!QFileInfo(converterPath()).isExecutable()) {
        fail(Phrases::text(Phrase::QmbConverterNotFound) + converterPath());
        return {};
    }
    QString folder = pathtext::toHost(m_prompter.folder({Phrases::text(Phrase::QmbResaveChooseFolder)}));
    if (folder.isEmpty()) {
        m_prompter.message(Phrases::text(Phrase::FolderError), Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
        return {};
    }
    if (!folder.endsWith(u'/'))
        folder += u'/';
    const QString projectFolder = folder + pathtext::nameOf(qmbPath).replace(u".qmb"_s, QString()) + u'/';
    if (!QDir().mkpath(projectFolder)) {
        fail(Phrases::text(Phrase::CannotCreateFolder) + projectFolder + Phrases::text(Phrase::SpaceBang));
        return {};
    }
    const QString converted = runConverter(projectFolder, qmbPath);
    if (converted.isEmpty())
        return {};
    m_prompter.message(Phrases::text(Phrase::QmbActionsLost), Phrases::text(Phrase::ConversionDone),
                       MessageIcon::Information);
    return converted;
}

QString QmbConversion::runConverter(const QString &folder, const QString &qmbPath)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(converterPath(), {folder, pathtext::toHost(qmbPath)});
    if (!process.waitForStarted()) {
        fail(Phrases::text(Phrase::QmbConverterNotStarted) + converterPath());
        return {};
    }
    if (!process.waitForFinished(m_timeoutMs)) {
        process.kill();
        process.waitForFinished();
        fail(Phrases::text(Phrase::QmbConversionStopped));
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString text = Phrases::text(Phrase::QmbConversionFailedCode) +
                       QString::number(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1) +
                       u")."_s;
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
        fail(Phrases::text(Phrase::QmbConversionNoProject) +
             (printed.isEmpty() ? u"."_s : Phrases::text(Phrase::SpaceColon) + u"\r\n"_s + printed));
        return {};
    }
    return QFileInfo(converted).absoluteFilePath();
}
