#include "ProjectFixtures.h"

#include "common/PathText.h"
#include "support/ProjectSettingsEdit.h"

using namespace Qt::StringLiterals;

void fillFullProject(MenuProject &project)
{
    project.setAuthor({u"Zoé Auteur"_s, u"zoe@example.org"_s, u"https://example.org/"_s, u"Ligne 1\r\n\r\nLigne 3"_s});
    projectsettings::set(project, &ProjectSettings::backgroundImage, u"/media/images/fond.jpg"_s);
    project.setSize(9015, 6870.5f);
    projectsettings::set(project, &ProjectSettings::contours, 0);
    project.setIcon(u"/media/images/cd.ico"_s);
    projectsettings::set(project, &ProjectSettings::backgroundMusic, u"/media/sons/musique.mp3"_s);
    projectsettings::set(project, &ProjectSettings::startupAction,
                         u"VBS:MsgBox \"Salut\"\r\nFenetre.Caption = \"€\""_s);
    projectsettings::set(project, &ProjectSettings::backgroundColour, 65280);
    projectsettings::set(project, &ProjectSettings::contextMenu, 0);
    projectsettings::set(project, &ProjectSettings::timerEnabled, 1);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"250"_s);
    projectsettings::set(project, &ProjectSettings::timerCode, u"Minuteur.Enabled = False\r\n"_s);
    projectsettings::set(project, &ProjectSettings::globalCode, u"Const pi = 3.14159265358979"_s);
    projectsettings::set(project, &ProjectSettings::handCursor, 0);
    projectsettings::set(project, &ProjectSettings::clickSound, u"/media/sons/clic.wav"_s);
    projectsettings::set(project, &ProjectSettings::hoverSound, u"/media/sons/survol.wav"_s);
    projectsettings::set(project, &ProjectSettings::transparencyImage, u"/media/images/masque.bmp"_s);
    projectsettings::set(project, &ProjectSettings::windowHoverCode, u"Ecran.MousePointer = 0"_s);

    const int video = project.addButton(ButtonKind::Multimedia);
    MenuButton b = project.button(video);
    b.left = -120;
    b.top = 3000.25f;
    b.normalImage = u"/media/images/b1.bmp"_s;
    b.hoverImage = u"/media/images/b1s.bmp"_s;
    b.clickImage = u"/media/images/b1c.bmp"_s;
    b.code = u"film.avi"_s;
    b.transparent = true;
    b.transparentColour = 16711935;
    project.setButton(video, b);

    const int code = project.addButton(ButtonKind::Code);
    b = project.button(code);
    b.normalImage = u"/media/images/b2.bmp"_s;
    b.hoverImage = u"/media/images/b2s.bmp"_s;
    b.clickImage = u"/media/images/b2c.bmp"_s;
    b.hoverCode = u"Bouton2.Left = 10"_s;
    project.setButton(code, b);

    const int incomplete = project.addButton(ButtonKind::Quit); // no images: never written
    Q_UNUSED(incomplete);

    const int first = project.addText();
    MenuText t = project.text(first);
    t.text = u"Bienvenue\r\nsur le CD"_s;
    t.backColour = 0;
    t.textColour = 255;
    t.bold = true;
    t.underline = true;
    t.fontName = u"DejaVu Sans"_s;
    t.fontSize = 12.5;
    t.flags = u"10"_s;
    project.setText(first, t);
    const int deleted = project.addText();
    project.deleteText(deleted);
    project.addText();

    project.setShapeVertices({ShapePoint{0, 0}, ShapePoint{600, -5}, ShapePoint{300, 400}});
}

std::function<ZepError(const QString &)> RecordingPictureCheck::check()
{
    return [this](const QString &file) {
        loaded << file;
        return missing.contains(pathtext::nameOf(file)) ? ZepError(ErrorCode::FileNotFound) : ZepError();
    };
}
