#include "wizard/WizardFinish.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"
#include "wizard/FolderNames.h"
#include "wizard/TextButtonRenderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

// Copies a chosen file into the project folder under its own name; the same file
// chosen twice is copied once.
ZepError copyInto(const QString &source, const QString &folder, FolderNames &names, QString *name)
{
    const QString from = pathtext::toHost(source);
    if (!QFileInfo(from).isFile())
        return ZepError(ErrorCode::FileNotFound);
    const FolderNames::Claim claim = names.claim(pathtext::nameOf(from), from);
    *name = claim.name;
    if (!claim.alreadyThere && !QFile::copy(from, folder + *name))
        return ZepError(ErrorCode::PathFileAccess);
    return {};
}

ZepError pictureSize(const QString &path, QSize *size)
{
    QImageReader reader(path);
    *size = reader.size();
    if (!size->isValid()) {
        const QImage image = reader.read();
        if (image.isNull())
            return ZepError(ErrorCode::InvalidPicture);
        *size = image.size();
    }
    return {};
}

bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || u"\\/:*?\"<>|"_s.contains(c);
}

} // namespace

bool WizardFinish::isValidName(const QString &name)
{
    if (name.isEmpty() || name.contains(u".."_s) || name.endsWith(u'.') || name.endsWith(u' '))
        return false;
    return std::none_of(name.begin(), name.end(), isForbidden);
}

QString WizardFinish::failureText(const ZepError &error)
{
    if (error.number == int(ErrorCode::PathNotFound) || error.number == int(ErrorCode::PathFileAccess))
        return Phrases::text(Phrase::InvalidProjectName);
    return Phrases::text(Phrase::ErrorDash) + error.description;
}

WizardFinish::Outcome WizardFinish::run(WizardProject &p) const
{
    if (p.saveFolder.isEmpty())
        return {Phrases::text(Phrase::SaveMenuFirst), {}};
    if (!pathtext::isSeparator(p.saveFolder.back()))
        p.saveFolder += u'/';
    if (!QFileInfo(pathtext::toHost(p.saveFolder)).isDir())
        return {Phrases::text(Phrase::InvalidFolder), {}};
    if (p.name.isEmpty())
        return {Phrases::text(Phrase::NameYourMenu), {}};
    if (!isValidName(p.name))
        return {Phrases::text(Phrase::InvalidProjectName), {}};
    const QString saveFolder = pathtext::toHost(p.saveFolder);
    if (QFileInfo::exists(saveFolder + p.name))
        return {Phrases::text(Phrase::NameAlreadyUsedInFolder), {}};
    if (!QDir(saveFolder).mkdir(p.name))
        return {failureText(ZepError(ErrorCode::PathNotFound)), {}};

    const QString folder = saveFolder + p.name + u'/';
    WizardFileWriter::Files files;
    FolderNames names;
    for (int i = 0; i < p.buttons.size(); ++i) {
        if (p.buttons[i].deleted)
            continue;
        WizardFileWriter::ButtonFiles placed;
        if (const ZepError error = placeButton(p.buttons[i], i, folder, names, &placed); error.isError())
            return {failureText(error), {}};
        files.buttons.append(placed);
    }
    if (const ZepError error = placeProjectFiles(p, folder, names, &files); error.isError())
        return {failureText(error), {}};

    const QString projectFile = folder + p.name + u".zep"_s;
    if (const ZepError error = saveFileAtomically(projectFile, WizardFileWriter::toBytes(p, files)); error.isError())
        return {failureText(error), {}};
    return {{}, projectFile};
}

ZepError WizardFinish::placeButton(const WizardButton &b, int position, const QString &folder, FolderNames &names,
                                   WizardFileWriter::ButtonFiles *files) const
{
    QString *placed[] = {&files->normal, &files->hover, &files->click};
    QSize normalSize;
    if (b.style == WizardButton::Style::Text) {
        int n = 0;
        for (textbutton::State state : textbutton::kStates) {
            const QImage image = textbutton::render(b, state);
            *placed[n] =
                names.claim(u"bouton"_s + QString::number(position + 1) + u'_' + textbutton::stateName(state) + u".bmp"_s)
                    .name;
            if (!image.save(folder + *placed[n], "BMP"))
                return ZepError(ErrorCode::PathFileAccess);
            if (state == textbutton::State::Normal)
                normalSize = image.size();
            ++n;
        }
    } else {
        const QString sources[] = {b.normalImage, b.hoverImage, b.clickImage};
        for (int n = 0; n < 3; ++n) {
            if (const ZepError error = copyInto(sources[n], folder, names, placed[n]); error.isError())
                return error;
        }
        if (const ZepError error = pictureSize(folder + files->normal, &normalSize); error.isError())
            return error;
    }
    files->normalHeight = m_twipsPerPixel.toTwipsY(normalSize.height());
    return {};
}

ZepError WizardFinish::placeProjectFiles(const WizardProject &p, const QString &folder, FolderNames &names,
                                         WizardFileWriter::Files *files) const
{
    if (p.backgroundIsImage) {
        if (const ZepError error = copyInto(p.backgroundImage, folder, names, &files->backgroundImage); error.isError())
            return error;
        QSize size;
        if (const ZepError error = pictureSize(folder + files->backgroundImage, &size); error.isError())
            return error;
        files->backgroundSize = QSizeF(m_twipsPerPixel.toTwipsX(size.width()), m_twipsPerPixel.toTwipsY(size.height()));
    }
    if (p.musicOn)
        return copyInto(p.music, folder, names, &files->music);
    return {};
}
