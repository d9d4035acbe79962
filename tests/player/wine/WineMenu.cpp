#include "WineMenu.h"

#include "project/ProjectWriter.h"
#include "support/ProjectSettingsEdit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace winemenu {

void writeImage(const QString &path, QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

QRgb rgb(QRgb pixel)
{
    return pixel & 0xFFFFFF;
}

} // namespace winemenu

WineMenu::WineMenu(const QString &name) : m_name(name)
{
    const QDir dir(m_dir.path());
    winemenu::writeImage(dir.filePath(u"n.bmp"_s), QSize(40, 20), winemenu::kNormal);
    winemenu::writeImage(dir.filePath(u"h.bmp"_s), QSize(40, 20), winemenu::kHover);
    winemenu::writeImage(dir.filePath(u"c.bmp"_s), QSize(40, 20), winemenu::kClick);
    m_project.setPath(dir.filePath(name + u".zep"_s));
    m_project.setSize(6000, 4500);
    projectsettings::set(m_project, &ProjectSettings::contours, 0);
    projectsettings::set(m_project, &ProjectSettings::backgroundColour, 0x008000);
}

void WineMenu::addButton(const QString &code, ButtonKind kind)
{
    const int slot = m_project.addButton(kind);
    MenuButton b = m_project.button(slot);
    b.left = 1500;
    b.top = 1500.0f + 600.0f * float(slot - 1);
    b.normalImage = u"n.bmp"_s;
    b.hoverImage = u"h.bmp"_s;
    b.clickImage = u"c.bmp"_s;
    b.code = code;
    m_project.setButton(slot, b);
}

QString WineMenu::compile(const QString &discFolder)
{
    const QString file = m_project.path();
    testfiles::writeBytes(file, ProjectWriter(m_project).toBytes(file));
    m_disc = QDir(m_dir.path()).filePath(discFolder.isEmpty() ? u"cd"_s : discFolder);
    QDir().mkpath(m_disc);
    const testfiles::ProgramRun run = testfiles::runProgram(u"zepc"_s, {u"compile"_s, file, m_disc, u"--light"_s});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    return m_disc + u"/zep/autorun.exe"_s;
}

QString WineMenu::zepFile(const QString &name) const
{
    return QDir(m_disc.isEmpty() ? QDir(m_dir.path()).filePath(u"cd"_s) : m_disc).filePath(u"zep/"_s + name);
}
