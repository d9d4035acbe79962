#pragma once

#include <QString>

#include <optional>

class Prompter;

// The open-file dialogs of the palette and the panel, with their filters. Each puts the
// current directory back as it was before the dialog.
namespace filechoosers {

inline const QString kImageFilter =
    QStringLiteral("Images *.jpg, *.jpeg, *.gif, *.bmp, *.ico | *.jpg;*.jpeg;*.gif;*.bmp;*.ico");
inline const QString kMusicFilter =
    QStringLiteral("Son *.wav, *.mp3, *.mid, *.aif, *.wma | *.wav;*.mp3;*.mid;*.aif;*.wma");
inline const QString kSoundFilter = QStringLiteral("Son WAV seulement | *.wav");
inline const QString kIconFilter = QStringLiteral("Fichier icône *.ico | *.ico");
inline const QString kMultimediaFilter = QStringLiteral("Fichier multimédia (*.*) | *.*");

// The chosen file; nothing on cancel.
std::optional<QString> chooseFile(Prompter &prompter, const QString &title, const QString &filter);

// The chosen picture, or an empty path when no such file exists; nothing on cancel.
std::optional<QString> chooseImage(Prompter &prompter, const QString &title);

} // namespace filechoosers
