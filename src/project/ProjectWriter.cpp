#include "project/ProjectWriter.h"

#include "common/Fold.h"
#include "common/LineWriter.h"
#include "project/MenuProject.h"
#include "common/ProgramVersion.h"
#include "project/RelativeReference.h"

using namespace Qt::StringLiterals;

namespace {

void flag(LineWriter &out, bool on)
{
    out.number(on ? 1 : 0);
}

} // namespace

ProjectWriter::ProjectWriter(const MenuProject &project)
    : m_project(project)
{
}

QByteArray ProjectWriter::toBytes(const QString &targetPath) const
{
    const RelativeReference ref(m_project.path(), targetPath);
    LineWriter out;
    out.reserve(64 * 1024);
    writeHeader(out);
    writeSections(out, ref);
    writeButtons(out, ref);
    writeTexts(out);
    writeShape(out);
    out.line(u"'Fin du projet. Les images, sons et textes de ce menu appartiennent à son auteur."_s);
    return out.bytes();
}

void ProjectWriter::writeHeader(LineWriter &out) const
{
    out.line(u"FICHIER .ZEP - COMPATIBLE ZEP V"_s + version::majorMinor() + u" ET +"_s)
        .line(u"Pour télécharger ZEP allez sur "_s + version::website())
        .line(u"Envoyez-nous vos critiques à "_s + version::contact() + u" Merci."_s)
        .line(u"[Format]")
        .line(u"Editeur=ZEP")
        .line(u"Version="_s + version::full())
        .line(u"Fichier="_s + kFileFormat);

    const AuthorInfo &author = m_project.author();
    out.line(u"[Auteur]").line(author.name).line(author.email).line(author.website).line(fold::fold(author.notes));
}

void ProjectWriter::writeSections(LineWriter &out, const RelativeReference &ref) const
{
    const ProjectSettings &s = m_project.settings();
    out.line(u"[Général]").line(ref.write(s.backgroundImage));
    if (s.fullScreen != 0)
        out.line(u"plein").line(u"ecran");
    else
        out.number(s.width).number(s.height);
    out.number(s.contours)
        .line(ProjectSettings::isIconMarker(s.icon) ? s.icon : ref.write(s.icon))
        .line(u"'para3")
        .line(ref.write(s.backgroundMusic));

    out.line(u"[ParamsPlus]")
        .line(fold::fold(s.startupAction))
        .number(s.backgroundColour)
        .number(s.contextMenu)
        .number(s.timerEnabled)
        .line(s.timerInterval)
        .line(fold::fold(s.timerCode))
        .line(fold::fold(s.globalCode))
        .number(s.handCursor)
        .line(ref.write(s.clickSound))
        .line(ref.write(s.hoverSound));

    out.line(u"[Autre]").line(ref.write(s.transparencyImage)).line(fold::fold(s.windowHoverCode));
    for (int i = 3; i <= 15; ++i)
        out.line(u"'para"_s + QString::number(i));
}

void ProjectWriter::writeButtons(LineWriter &out, const RelativeReference &ref) const
{
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (!b.isStored())
            continue;
        out.line(u"[Bouton]")
            .number(b.left)
            .number(b.top)
            .line(ref.write(b.normalImage))
            .line(ref.write(b.hoverImage))
            .line(ref.write(b.clickImage))
            .line(b.kind)
            .line(fold::fold(b.code))
            .line(fold::fold(b.hoverCode));
        flag(out, b.transparent);
        out.number(b.transparentColour).line(u"'para4");
    }
}

void ProjectWriter::writeTexts(LineWriter &out) const
{
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot) {
        const MenuText &t = m_project.text(slot);
        if (!t.isStored())
            continue;
        out.line(u"[Texte]").line(fold::fold(t.text)).number(t.backColour).number(t.textColour);
        flag(out, t.bold);
        flag(out, t.italic);
        out.line(t.fontName).number(t.fontSize);
        flag(out, t.strikethrough);
        flag(out, t.underline);
        out.number(t.top)
            .number(t.left)
            .number(t.width)
            .number(t.height)
            .line(t.flags)
            .line(u"para1")
            .line(u"para2")
            .line(u"para3")
            .line(u"para4");
    }
}

void ProjectWriter::writeShape(LineWriter &out) const
{
    const QList<ShapePoint> &shape = m_project.shape();
    if (shape.size() < 2)
        return;
    out.line(u"Gestion de la forme du menu, les formes peuvent être importées/exportées").line(u"[FormeMenu]");
    for (qsizetype i = 1; i < shape.size(); ++i)
        out.line(u"X="_s + QString::number(shape[i].x)).line(u"Y="_s + QString::number(shape[i].y));
    out.line(u"[/FormeMenu]");
}
