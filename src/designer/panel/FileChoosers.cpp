#include "designer/panel/FileChoosers.h"

#include "prompt/Prompter.h"

#include <QFileInfo>

namespace filechoosers {

std::optional<QString> chooseFile(Prompter &prompter, const QString &title, const QString &filter)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    const QString file = prompter.openFile(request);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> chooseImage(Prompter &prompter, const QString &title)
{
    const std::optional<QString> file = chooseFile(prompter, title, kImageFilter);
    if (!file)
        return std::nullopt;
    return QFileInfo::exists(*file) ? *file : QString();
}

} // namespace filechoosers
