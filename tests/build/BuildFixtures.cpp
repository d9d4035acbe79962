#include "BuildFixtures.h"

#include "support/ProjectSettingsEdit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace buildfixtures {

void writeImage(const QString &path, QSize size, const QColor &colour, const QColor &key)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(QRect(0, 0, size.width() / 2, size.height() / 2), key);
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, "BMP");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    testfiles::writeBytes(path, bytes);
}

void fillMenu(MenuProject &project, const QString &folder)
{
    const QDir dir(folder);
    writeImage(dir.filePath(u"fond.bmp"_s), QSize(80, 60), QColor(0, 0, 128), QColor(0, 0, 128));
    for (const QString &name : {u"b1.bmp"_s, u"b1s.bmp"_s, u"b1c.bmp"_s})
        writeImage(dir.filePath(u"img/"_s + name), QSize(20, 10), Qt::green);
    for (const QString &name : {u"b2.bmp"_s, u"b2s.bmp"_s, u"b2c.bmp"_s})
        writeImage(dir.filePath(name), QSize(20, 10), Qt::red);
    writeImage(dir.filePath(u"masque.bmp"_s), QSize(80, 60), Qt::black, Qt::white);
    for (const QString &name : {u"musique.mp3"_s, u"clic.wav"_s, u"survol.wav"_s})
        writeFile(dir.filePath(name), name.toUtf8());

    project.setPath(dir.filePath(u"menu.zep"_s));
    project.setAuthor({u"Zoé Auteur"_s, u"zoe@example.org"_s, QString(), QString()});
    projectsettings::set(project, &ProjectSettings::backgroundImage, u"fond.bmp"_s);
    project.setSize(1200, 900);
    projectsettings::set(project, &ProjectSettings::backgroundMusic, u"musique.mp3"_s);
    projectsettings::set(project, &ProjectSettings::startupAction,
                         u"VBS:MsgBox \"Salut\"\r\nFenetre.Caption = \"€\""_s);
    projectsettings::set(project, &ProjectSettings::backgroundColour, 65280);
    projectsettings::set(project, &ProjectSettings::timerEnabled, 1);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"250"_s);
    projectsettings::set(project, &ProjectSettings::timerCode, u"Minuteur.Enabled = False\r\n"_s);
    projectsettings::set(project, &ProjectSettings::globalCode, u"Const pi = 3.14"_s);
    projectsettings::set(project, &ProjectSettings::clickSound, u"clic.wav"_s);
    projectsettings::set(project, &ProjectSettings::hoverSound, dir.filePath(u"survol.wav"_s));
    projectsettings::set(project, &ProjectSettings::transparencyImage, u"masque.bmp"_s);
    projectsettings::set(project, &ProjectSettings::windowHoverCode, u"Ecran.MousePointer = 0"_s);

    const int video = project.addButton(ButtonKind::Multimedia);
    MenuButton b = project.button(video);
    b.left = 150;
    b.top = 300;
    b.normalImage = dir.filePath(u"img/b1.bmp"_s);
    b.hoverImage = dir.filePath(u"img/b1s.bmp"_s);
    b.clickImage = dir.filePath(u"img/b1c.bmp"_s);
    b.code = u"videos\\film.avi"_s;
    b.transparent = true;
    b.transparentColour = 16711935;
    project.setButton(video, b);

    const int quit = project.addButton(ButtonKind::Quit);
    b = project.button(quit);
    b.left = 600;
    b.top = 450;
    b.normalImage = u"b2.bmp"_s;
    b.hoverImage = u"b2s.bmp"_s;
    b.clickImage = u"b2c.bmp"_s;
    b.code.clear();
    b.hoverCode = u"Bouton2.Left = 10"_s;
    project.setButton(quit, b);

    const int text = project.addText();
    MenuText t = project.text(text);
    t.text = u"Bienvenue\r\nsur le CD"_s;
    t.backColour = 0;
    t.textColour = 255;
    t.bold = true;
    t.fontName = u"DejaVu Sans"_s;
    t.fontSize = 12;
    t.left = 30;
    t.top = 45;
    t.width = 600;
    t.height = 300;
    t.flags = u"11"_s;
    project.setText(text, t);

    project.setShapeVertices({{0, 0}, {1200, 0}, {1200, 900}, {0, 900}});
}

QString listing(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files.join(u'\n') + u'\n';
}

QByteArray appendedData(const QString &playerCopy)
{
    const qint64 playerSize = QFileInfo(testfiles::programPath(u"compil.exe"_s)).size();
    return testfiles::readBytes(playerCopy).mid(playerSize);
}

} // namespace buildfixtures

void RecordingProgress::status(const QString &text, int colour)
{
    log << u"status: "_s + text + (colour >= 0 ? u" ("_s + QString::number(colour) + u')' : QString());
}

void RecordingProgress::step(const QString &text)
{
    log << u"step: "_s + text;
}

void RecordingProgress::fieldsEnabled(bool enabled)
{
    log << (enabled ? u"fields enabled"_s : u"fields disabled"_s);
}

void RecordingProgress::report(const QString &text)
{
    lastReport = text;
    log << u"report"_s;
}

void RecordingProgress::folderCompleted(const QString &)
{
    log << u"folder completed"_s;
}
