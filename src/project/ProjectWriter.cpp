#include "project/ProjectWriter.h"

#include "common/Fold.h"
#include "common/FormatWords.h"
#include "common/LineWriter.h"
#include "common/ProgramVersion.h"
#include "project/MenuProject.h"
#include "project/ProjectBlocks.h"
#include "project/ProjectLocation.h"
#include "project/RelativeReference.h"

using namespace Qt::StringLiterals;

ProjectWriter::ProjectWriter(const MenuProject &project)
    : m_project(project)
{
}

QByteArray ProjectWriter::toBytes(const QString &targetPath) const
{
    return toBytes(targetPath, ProjectLocation(m_project.path()));
}

QByteArray ProjectWriter::toBytes(const QString &targetPath, const ProjectLocation &from) const
{
    const RelativeReference ref(from, targetPath);
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
        .line(menuformat::word(menuformat::kFormat))
        .line(u"Editeur=ZEP")
        .line(u"Version="_s + version::full())
        .line(u"Fichier="_s + kFileFormat);

    const AuthorInfo &author = m_project.author();
    out.line(menuformat::word(menuformat::kAuthor))
        .line(author.name)
        .line(author.email)
        .line(author.website)
        .line(fold::fold(author.notes));
}

void ProjectWriter::writeSections(LineWriter &out, const RelativeReference &ref) const
{
    const ProjectSettings &s = m_project.settings();
    out.line(menuformat::word(menuformat::kGeneral)).line(ref.write(s.backgroundImage));
    if (s.fullScreen != 0)
        out.line(menuformat::word(menuformat::kFullScreenWidth)).line(menuformat::word(menuformat::kFullScreenHeight));
    else
        out.number(s.width).number(s.height);
    out.number(s.contours)
        .line(ProjectSettings::isIconMarker(s.icon) ? s.icon : ref.write(s.icon))
        .line(u"'para3")
        .line(ref.write(s.backgroundMusic));

    const auto reference = [&ref](const QString &file) { return ref.write(file); };
    projectblocks::writeParamsPlus(out, s, reference);
    projectblocks::writeOther(out, s, reference);
}

void ProjectWriter::writeButtons(LineWriter &out, const RelativeReference &ref) const
{
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (!b.isStored())
            continue;
        projectblocks::writeButton(out, b, [&ref](const QString &file) { return ref.write(file); });
    }
}

void ProjectWriter::writeTexts(LineWriter &out) const
{
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot) {
        const MenuText &t = m_project.text(slot);
        if (!t.isStored())
            continue;
        projectblocks::writeText(out, t);
    }
}

void ProjectWriter::writeShape(LineWriter &out) const
{
    if (m_project.shapeVertexCount() == 0)
        return;
    out.line(u"Gestion de la forme du menu, les formes peuvent être importées/exportées");
    projectblocks::writeShape(out, m_project.shape());
}
