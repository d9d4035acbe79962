#pragma once

#include <QString>

#include <optional>

class Prompter;

// The open-file dialogs of the palette and the panel, with their filters. Each puts the
// current directory back as it was before the dialog.
namespace filechoosers {

QString imageFilter();
QString musicFilter();
QString soundFilter();
QString iconFilter();
QString multimediaFilter();

// The chosen file; nothing on cancel.
std::optional<QString> chooseFile(Prompter &prompter, const QString &title, const QString &filter);

// The chosen picture, or an empty path when no such file exists; nothing on cancel.
std::optional<QString> chooseImage(Prompter &prompter, const QString &title);

} // namespace filechoosers
