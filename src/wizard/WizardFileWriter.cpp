#include "wizard/WizardFileWriter.h"

#include "common/FormatWords.h"
#include "common/LineWriter.h"
#include "common/ProgramVersion.h"
#include "wizard/WizardScripts.h"

using namespace Qt::StringLiterals;

QByteArray WizardFileWriter::toBytes(const WizardProject &p, const Files &files)
{
    LineWriter out;
    out.line(QString())
        .line(menuformat::word(menuformat::kFormat))
        .line(u"Editeur=Assistant création ZEP")
        .line(u"Version="_s + version::full())
        .line(u"Fichier=1.1");

    out.line(menuformat::word(menuformat::kGeneral)).line(files.backgroundImage);
    if (p.backgroundIsImage)
        out.number(files.backgroundSize.width()).number(files.backgroundSize.height());
    else
        out.line(u"9600").line(u"7200");
    out.number(p.contours ? 1 : 0).line(u"'para2").line(u"'para3").line(files.music);

    out.line(menuformat::word(menuformat::kParamsPlus))
        .line(wizardscripts::startupAction(p))
        .number(p.backgroundColour)
        .number(1)
        .number(0)
        .line(u"1000")
        .line(QString())
        .line(QString())
        .number(1)
        .line(u"'para9")
        .line(u"'para10");

    double top = kFirstTop;
    qsizetype written = 0;
    for (const WizardButton &b : p.buttons) {
        if (b.deleted)
            continue;
        const ButtonFiles &images = files.buttons.at(written++);
        const wizardscripts::KindAndCode action = wizardscripts::kindAndCode(b);
        const bool text = b.style == WizardButton::Style::Text;
        out.line(menuformat::word(menuformat::kButton))
            .number(kLeft)
            .number(top)
            .line(images.normal)
            .line(images.hover)
            .line(images.click)
            .line(buttonkind::word(action.kind))
            .line(action.code)
            .line(QString())
            .number(text && b.transparent ? 1 : 0)
            .number(text ? b.backColour : 0)
            .line(u"'para4");
        top += kGap + images.normalHeight;
    }
    return out.bytes();
}
