#include "designer/panel/FileChoosers.h"

#include "prompt/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace filechoosers {

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
    const std::optional<QString> file = chooseFile(prompter, title, kImageFilter);
    if (!file)
        return std::nullopt;
    return QFileInfo(*file).isFile() ? *file : QString();
}

} // namespace filechoosers
