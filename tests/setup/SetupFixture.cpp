#include "setup/SetupFixture.h"

#include "support/TestFiles.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

SetupFixture::SetupFixture()
    : m_places{m_root.filePath(u"package/"_s), m_root.filePath(u"home/applications/"_s),
               m_root.filePath(u"home/Desktop/"_s), m_root.filePath(u"home/desktop-directories/"_s),
               m_root.filePath(u"home/config/menus/applications-merged/"_s)}
{
    write(u"package/zep"_s, "designer");
    write(u"package/compil.exe"_s, "player");
    write(u"package/icone.ico"_s, "icon");
    write(u"package/langues/English/phrases.lge"_s, "Liste.Add \"New\"");
    write(u"package/tmp/zep/autorun"_s, "left by a test run");
}

void SetupFixture::write(const QString &relative, const QByteArray &bytes) const
{
    testfiles::writeBytes(path(relative), bytes);
}

QByteArray SetupFixture::read(const QString &relative) const
{
    return testfiles::readBytes(path(relative));
}

bool SetupFixture::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}
