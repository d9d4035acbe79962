#include "build/MenuDataWriter.h"

#include "common/Fold.h"
#include "common/LineWriter.h"
#include "common/PathText.h"
#include "common/ProgramVersion.h"
#include "project/MenuProject.h"

using namespace Qt::StringLiterals;

namespace {

void flag(LineWriter &out, bool on)
{
    out.number(on ? 1 : 0);
}

QString transparentName(const QString &image)
{
    return MenuDataWriter::fileNameOnly(image + u"_transp.bmp"_s);
}

} // namespace

MenuDataWriter::MenuDataWriter(const MenuProject &project) : m_project(project) {}

QString MenuDataWriter::fileNameOnly(const QString &reference)
{
    return pathtext::nameOf(reference);
}

QString MenuDataWriter::legalText()
{
    return u"LE CONTENU DE CE MENU APPARTIENT A SON AUTEUR - "_s + version::website();
}

QByteArray MenuDataWriter::lines(const QString &projectName, const QString &author) const
{
    LineWriter out;
    out.reserve(16 * 1024);
    writeSections(out, projectName, author);
    writeButtons(out);
    writeTexts(out);
    writeShape(out);
    out.line(kLastLinePrefix + legalText());
    return out.bytes();
}

void MenuDataWriter::writeSections(LineWriter &out, const QString &projectName, const QString &author) const
{
    const ProjectSettings &s = m_project.settings();
    out.line(u"FICHIER DAT COMPATIBLE ZEP V"_s + version::majorMinor())
        .line(u"[Général]")
        .line(fileNameOnly(s.backgroundImage));
    if (s.fullScreen != 0)
        out.line(u"plein").line(u"ecran");
    else
        out.number(s.width).number(s.height);
    out.number(s.contours).line(projectName).line(author).line(fileNameOnly(s.backgroundMusic));

    out.line(u"[ParamsPlus]")
        .line(fold::fold(s.startupAction))
        .number(s.backgroundColour)
        .number(s.contextMenu)
        .number(s.timerEnabled)
        .line(s.timerInterval)
        .line(fold::fold(s.timerCode))
        .line(fold::fold(s.globalCode))
        .number(s.handCursor)
        .line(fileNameOnly(s.clickSound))
        .line(fileNameOnly(s.hoverSound));

    out.line(u"[Autre]").line(fileNameOnly(s.transparencyImage)).line(fold::fold(s.windowHoverCode));
    for (int i = 3; i <= 15; ++i)
        out.line(u"'para"_s + QString::number(i));
}

void MenuDataWriter::writeButtons(LineWriter &out) const
{
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (!b.isStored())
            continue;
        const auto image = [&](const QString &file) {
            return b.transparent ? transparentName(file) : fileNameOnly(file);
        };
        out.line(u"[Bouton]")
            .number(b.left)
            .number(b.top)
            .line(image(b.normalImage))
            .line(image(b.hoverImage))
            .line(image(b.clickImage))
            .line(b.kind)
            .line(fold::fold(b.code))
            .line(fold::fold(b.hoverCode));
        flag(out, b.transparent);
        out.number(b.transparentColour).line(u"'para4");
    }
}

void MenuDataWriter::writeTexts(LineWriter &out) const
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

void MenuDataWriter::writeShape(LineWriter &out) const
{
    const QList<ShapePoint> &shape = m_project.shape();
    if (shape.size() < 2)
        return;
    out.line(u"[FormeMenu]");
    for (qsizetype i = 1; i < shape.size(); ++i)
        out.line(u"X="_s + QString::number(shape[i].x)).line(u"Y="_s + QString::number(shape[i].y));
    out.line(u"[/FormeMenu]");
}

QByteArray MenuDataWriter::dataBlock(const QByteArray &lines)
{
    QByteArray joined = lines;
    if (joined.size() > 5)
        joined.chop(2);
    joined.replace("\r\n", "\xAC");
    QByteArray block("(debut)\xAC");
    block.reserve(joined.size() + 12);
    block += joined;
    block += "\r\n";
    return block;
}
