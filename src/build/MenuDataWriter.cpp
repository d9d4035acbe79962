#include "build/MenuDataWriter.h"

#include "build/TransparencyRenderer.h"
#include "common/FormatWords.h"
#include "common/LineWriter.h"
#include "common/PathText.h"
#include "common/ProgramVersion.h"
#include "project/MenuProject.h"
#include "project/ProjectBlocks.h"

using namespace Qt::StringLiterals;

namespace {

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
    out.line(menuformat::word(menuformat::kLastLinePrefix) + legalText());
    return out.bytes();
}

void MenuDataWriter::writeSections(LineWriter &out, const QString &projectName, const QString &author) const
{
    const ProjectSettings &s = m_project.settings();
    out.line(menuformat::word(menuformat::kDataFormatPrefix) + u" V"_s + version::majorMinor())
        .line(menuformat::word(menuformat::kGeneral))
        .line(fileNameOnly(s.backgroundImage));
    if (s.fullScreen != 0)
        out.line(menuformat::word(menuformat::kFullScreenWidth)).line(menuformat::word(menuformat::kFullScreenHeight));
    else
        out.number(s.width).number(s.height);
    out.number(s.contours).line(projectName).line(author).line(fileNameOnly(s.backgroundMusic));

    projectblocks::writeParamsPlus(out, s, fileNameOnly);
    projectblocks::writeOther(out, s, fileNameOnly);
}

void MenuDataWriter::writeButtons(LineWriter &out) const
{
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (!b.isStored())
            continue;
        const auto image = [&](const QString &file) {
            return b.transparent ? TransparencyRenderer::companionName(file) : fileNameOnly(file);
        };
        projectblocks::writeButton(out, b, image);
    }
}

void MenuDataWriter::writeTexts(LineWriter &out) const
{
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot) {
        const MenuText &t = m_project.text(slot);
        if (!t.isStored())
            continue;
        projectblocks::writeText(out, t);
    }
}

void MenuDataWriter::writeShape(LineWriter &out) const
{
    projectblocks::writeShape(out, m_project.shape());
}

QByteArray MenuDataWriter::dataBlock(const QByteArray &lines)
{
    QByteArray joined = lines;
    if (joined.size() > 5)
        joined.chop(2);
    joined.replace("\r\n", QByteArray(1, menuformat::kSeparator));
    QByteArray block(menuformat::kDataMarker.data(), qsizetype(menuformat::kDataMarker.size()));
    block.reserve(joined.size() + 12);
    block += joined;
    block += "\r\n";
    return block;
}
