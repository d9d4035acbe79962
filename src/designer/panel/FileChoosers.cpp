#include "designer/panel/FileChoosers.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace filechoosers {

QString imageFilter()
{
    return Phrases::text(Phrase::ImageFilter) + u" | *.jpg;*.jpeg;*.gif;*.bmp;*.ico"_s;
}

QString musicFilter()
{
    return Phrases::text(Phrase::SoundFilter) + u" | *.wav;*.mp3;*.mid;*.aif;*.wma"_s;
}

QString soundFilter()
{
    return Phrases::text(Phrase::WavOnlyFilter) + u" | *.wav"_s;
}

QString iconFilter()
{
    return Phrases::text(Phrase::IconFilter) + u" | *.ico"_s;
}

QString multimediaFilter()
{
    return Phrases::text(Phrase::MediaFileFilter) + u" | *.*"_s;
}

std::optional<QString> chooseFile(Prompter &prompter, const QString &title, const QString &filter)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    // The dialog may leave the browsed folder current; where bare names lie must not move.
    const QString current = QDir::currentPath();
    const QString file = prompter.openFile(request);
    QDir::setCurrent(current);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> chooseImage(Prompter &prompter, const QString &title)
{
    const std::optional<QString> file = chooseFile(prompter, title, imageFilter());
    if (!file)
        return std::nullopt;
    return QFileInfo(*file).isFile() ? *file : QString();
}

} // namespace filechoosers
