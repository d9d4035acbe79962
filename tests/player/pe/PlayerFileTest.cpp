#include "support/TestFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Libraries that Windows 7 to 11 always load from their own folder, whatever lies beside
// the program (KnownDLLs); ntdll comes with every process.
const QSet<QString> kKnownLibraries = {
    u"advapi32.dll"_s, u"comdlg32.dll"_s, u"gdi32.dll"_s, u"imagehlp.dll"_s, u"imm32.dll"_s, u"kernel32.dll"_s,
    u"msctf.dll"_s, u"msvcrt.dll"_s, u"normaliz.dll"_s, u"nsi.dll"_s, u"ntdll.dll"_s, u"ole32.dll"_s,
    u"oleaut32.dll"_s, u"psapi.dll"_s, u"rpcrt4.dll"_s, u"sechost.dll"_s, u"setupapi.dll"_s, u"shell32.dll"_s,
    u"shlwapi.dll"_s, u"user32.dll"_s, u"wldap32.dll"_s, u"ws2_32.dll"_s};

QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

class PlayerFileTest : public ::testing::Test
{
protected:
    PlayerFileTest() : m_file(testfiles::programPath(u"compil.exe"_s)), m_bytes(testfiles::readBytes(m_file))
    {
        QProcess objdump;
        objdump.start(QStringLiteral(ZEP_MINGW_OBJDUMP), {u"-p"_s, m_file});
        objdump.waitForFinished(60000);
        m_headers = QString::fromUtf8(objdump.readAllStandardOutput());
    }

    QString m_file;
    QByteArray m_bytes;
    QString m_headers;
};

} // namespace

TEST_F(PlayerFileTest, ItIsAWindowsProgramThatImportsOnlyLibrariesOfTheSystemFolder)
{
    ASSERT_FALSE(m_headers.isEmpty());
    EXPECT_TRUE(m_headers.contains(u"(Windows GUI)"_s));
    EXPECT_TRUE(m_headers.contains(u"(PE32+)"_s)) << "a 64-bit program";
    QStringList imported;
    for (const QRegularExpressionMatch &match : QRegularExpression(u"DLL Name: (\\S+)"_s).globalMatch(m_headers))
        imported << match.captured(1).toLower();
    EXPECT_FALSE(imported.isEmpty());
    for (const QString &library : imported)
        EXPECT_TRUE(kKnownLibraries.contains(library)) << library.toStdString();
}

TEST_F(PlayerFileTest, WindowsCopiesItIntoMemoryFromADiscOrTheNetwork)
{
    EXPECT_TRUE(m_headers.contains(u"copy to swap file if on removable media"_s));
    EXPECT_TRUE(m_headers.contains(u"copy to swap file if on network media"_s));
    EXPECT_TRUE(m_headers.contains(u"TERMINAL_SERVICE_AWARE"_s));
}

TEST_F(PlayerFileTest, ItCarriesItsManifestDiscIconAndVersion)
{
    // The resource types at the top of the resource tree: icon, icon group, version, manifest.
    QSet<int> types;
    const QString tree = m_headers.mid(m_headers.indexOf(u"Resource Directory"_s));
    for (const QRegularExpressionMatch &match :
         QRegularExpression(u"^[0-9a-f]+ {3}Entry: ID: 0x([0-9a-f]+)"_s, QRegularExpression::MultilineOption)
             .globalMatch(tree))
        types << match.captured(1).toInt(nullptr, 16);
    EXPECT_EQ(types, (QSet<int>{3, 14, 16, 24}));

    for (const char *text : {"requestedExecutionLevel level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "<dpiAware", "Microsoft.Windows.Common-Controls"})
        EXPECT_TRUE(m_bytes.contains(text)) << text;

    // The disc icon's picture, as the icon file holds it.
    const QByteArray icon = testfiles::readBytes(QStringLiteral(ZEP_DISC_ICON));
    ASSERT_GT(icon.size(), 22);
    const auto at = [&icon](int offset) { return qFromLittleEndian<quint32>(icon.constData() + offset); };
    EXPECT_TRUE(m_bytes.contains(icon.mid(at(18), at(14))));

    const QString version = QString::number(ZEP_VERSION_MAJOR) + u'.' + QString::number(ZEP_VERSION_MINOR) + u'.' +
                            QString::number(ZEP_VERSION_PATCH);
    EXPECT_TRUE(m_bytes.contains(utf16(u"ProductVersion"_s)));
    EXPECT_TRUE(m_bytes.contains(utf16(version)));
    EXPECT_TRUE(m_bytes.contains(utf16(u"Menu de démarrage ZEP"_s)));
}
