#include "app/core/FileAssociation.h"

#include "app/core/AppIdentity.h"
#include "common/DesktopEntryText.h"
#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr int kToolTimeoutMs = 10000;
const QString kDefaultSection = u"[Default Applications]"_s;

ZepError saveMakingFolder(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveFileAtomically(path, bytes);
}

} // namespace

FileAssociation::FileAssociation(const QString &programPath, const QString &dataFolder, const QString &configFolder)
    : m_programPath(programPath),
      m_dataFolder(dataFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                        : dataFolder),
      m_configFolder(configFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                            : configFolder)
{
}

QString FileAssociation::mimeType()
{
    return u"application/x-zep"_s;
}

QString FileAssociation::desktopFileName()
{
    return u"zep.desktop"_s;
}

QString FileAssociation::mimePackagePath() const
{
    return QDir(m_dataFolder).filePath(u"mime/packages/x-zep.xml"_s);
}

QString FileAssociation::desktopEntryPath() const
{
    return QDir(m_dataFolder).filePath(u"applications/"_s + desktopFileName());
}

QString FileAssociation::mimeAppsPath() const
{
    return QDir(m_configFolder).filePath(u"mimeapps.list"_s);
}

QByteArray FileAssociation::mimePackage()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "  <mime-type type=\"application/x-zep\">\n"
                             "    <comment>Source d'un menu ZEP</comment>\n"
                             "    <glob pattern=\"*.zep\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n");
}

QByteArray FileAssociation::desktopEntry(const QString &programPath)
{
    const QStringList lines = {
        u"[Desktop Entry]"_s,
        u"Type=Application"_s,
        u"Name=ZEP"_s,
        u"Comment=Créateur de menus"_s,
        u"Exec="_s + desktopentry::escaped(desktopentry::quotedArgument(programPath)) + u" %f"_s,
        u"Icon="_s + desktopentry::escaped(pathtext::folderOf(programPath) + u"icone.ico"_s),
        u"MimeType="_s + mimeType() + u';',
        u"Terminal=false"_s,
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray FileAssociation::withDefaultApplication(const QByteArray &mimeApps)
{
    const QString entry = mimeType() + u'=' + desktopFileName() + u';';
    QStringList lines = QString::fromUtf8(mimeApps).split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();

    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size() && section < 0; ++i) {
        if (lines[i].trimmed() == kDefaultSection)
            section = i;
    }
    if (section < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines.append(kDefaultSection);
        lines.append(entry);
        return (lines.join(u'\n') + u'\n').toUtf8();
    }
    // The section ends where the next one starts; a new entry goes after its last line.
    qsizetype insertAt = section + 1;
    for (qsizetype i = section + 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(u'['))
            break;
        if (line.section(u'=', 0, 0).trimmed() == mimeType()) {
            lines[i] = entry;
            return (lines.join(u'\n') + u'\n').toUtf8();
        }
        if (!line.isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
    return (lines.join(u'\n') + u'\n').toUtf8();
}

ZepError FileAssociation::associate(SettingsStore *store) const
{
    if (const ZepError error = saveMakingFolder(mimePackagePath(), mimePackage()); error.isError())
        return error;
    if (const ZepError error = saveMakingFolder(desktopEntryPath(), desktopEntry(m_programPath)); error.isError())
        return error;
    const Result<QByteArray> mimeApps = readWholeFile(mimeAppsPath());
    // No list of default applications yet is the usual case: one is written.
    if (mimeApps.isError() && mimeApps.error().number != int(ErrorCode::FileNotFound))
        return mimeApps.error();
    if (const ZepError error = saveMakingFolder(mimeAppsPath(), withDefaultApplication(mimeApps.valueOr({})));
        error.isError())
        return error;

    m_runTool(u"update-mime-database"_s, {QDir(m_dataFolder).filePath(u"mime"_s)});
    m_runTool(u"update-desktop-database"_s, {QDir(m_dataFolder).filePath(u"applications"_s)});

    if (store) {
        store->setValue(u"Association"_s, u"Programme"_s, m_programPath);
        store->sync();
    }
    return {};
}

void FileAssociation::runToolIfPresent(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(found, arguments);
    if (process.waitForStarted() && !process.waitForFinished(kToolTimeoutMs))
        process.kill();
    process.waitForFinished();
}

MessageRequest FileAssociation::doneMessage()
{
    MessageRequest message;
    message.text = Phrases::text(Phrase::FilesAssociated);
    message.title = appid::applicationTitle();
    message.icon = MessageIcon::Information;
    return message;
}
