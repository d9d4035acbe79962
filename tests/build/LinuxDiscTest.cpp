#include "BuildFixtures.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What every Linux desktop has, as the runtime collection leaves it to the system, and
// the kernel's own virtual library.
QRegularExpression baseSet()
{
    QFile file(QStringLiteral(ZEP_LINUX_BASE_SET));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList patterns{u"^linux-vdso"_s};
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'#'))
            patterns << line;
    }
    return QRegularExpression(u"(%1)"_s.arg(patterns.join(u'|')));
}

// "name => path" of every library ldd lists for a file.
QMap<QString, QString> librariesOf(const QString &file)
{
    QProcess ldd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"LD_LIBRARY_PATH"_s);
    ldd.setProcessEnvironment(env);
    ldd.start(u"ldd"_s, {file});
    EXPECT_TRUE(ldd.waitForFinished(30000));
    QMap<QString, QString> libraries;
    for (const QString &line : QString::fromUtf8(ldd.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString entry = line.trimmed();
        const qsizetype arrow = entry.indexOf(u" => "_s);
        const QString name = entry.section(u' ', 0, 0);
        libraries.insert(name, arrow < 0 ? name : entry.mid(arrow + 4).section(u" (0x"_s, 0, 0));
    }
    return libraries;
}

class LinuxDiscTest : public ::testing::Test
{
protected:
    LinuxDiscTest() : m_project(testfiles::copyExample(m_dir.filePath(u"demo"_s))) {}

    QString compile(const QString &name, bool light)
    {
        const QString cd = m_dir.filePath(name) + u'/';
        QDir().mkpath(cd);
        QStringList arguments{u"compile"_s, m_project, cd};
        if (light)
            arguments << u"--light"_s;
        const testfiles::ProgramRun run = testfiles::runProgram(u"zepc"_s, arguments);
        EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
        return cd;
    }

    QTemporaryDir m_dir;
    QString m_project;
};

} // namespace

TEST_F(LinuxDiscTest, TheDiscsLinuxPlayerFindsEveryLibraryOnTheDiscOrInTheBaseSet)
{
    const QString cd = compile(u"un disque"_s, false);
    const QMap<QString, QString> libraries = librariesOf(cd + u"zep/autorun"_s);
    // A base-set library brings its own dependencies from the system.
    const QRegularExpression base = baseSet();
    QSet<QString> system;
    for (auto it = libraries.begin(); it != libraries.end(); ++it) {
        if (base.match(it.key()).hasMatch()) {
            system.insert(it.key());
            for (const QString &name : librariesOf(it.value()).keys())
                system.insert(name);
        }
    }
    int fromDisc = 0;
    for (auto it = libraries.begin(); it != libraries.end(); ++it) {
        EXPECT_NE(it.value(), u"not found"_s) << it.key().toStdString();
        if (it.value().startsWith(cd + u"zep/lib/"_s))
            ++fromDisc;
        else
            EXPECT_TRUE(system.contains(it.key())) << it.key().toStdString() << " => " << it.value().toStdString();
    }
    EXPECT_GT(fromDisc, 5);
}

TEST_F(LinuxDiscTest, TheStartScriptRunsTheMenuFromAnywhereAndLightDiscsCarryNoRuntime)
{
    const QString cd = compile(u"disque léger"_s, true);
    EXPECT_TRUE(QFileInfo(cd + u"autorun.sh"_s).isExecutable());
    EXPECT_TRUE(QFileInfo(cd + u"zep/autorun"_s).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(cd + u"zep/lib"_s));
    EXPECT_FALSE(QFileInfo::exists(cd + u"zep/qt.conf"_s));

    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"ZEP_PLAYER_GRAB"_s, m_dir.filePath(u"frame.png"_s));
    player.setProcessEnvironment(env);
    player.setWorkingDirectory(QDir::tempPath());
    player.start(u"/bin/sh"_s, {cd + u"autorun.sh"_s});
    ASSERT_TRUE(player.waitForFinished(60000));
    EXPECT_EQ(player.exitCode(), 0) << player.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(m_dir.filePath(u"frame.png"_s)).isNull());
}
