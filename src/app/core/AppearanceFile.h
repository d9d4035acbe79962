#pragma once

#include "app/core/Appearance.h"
#include "common/ZepError.h"
#include "prompt/PromptTypes.h"

#include <QByteArray>
#include <QList>
#include <optional>

// "apparences.ini" in the program folder: blocks of seven lines ("[App]", name, three
// colours, font or "para", "para").
class AppearanceFile
{
public:
    // The editor's list holds "Par défaut" and at most this many stored appearances;
    // blocks beyond them stay in the file but are not loaded, and saving another one
    // is refused.
    static constexpr int kMaxStored = 100;

    explicit AppearanceFile(const QString &programFolder);

    static QString fileName(); // "apparences.ini"
    QString path() const { return m_path; }
    bool exists() const;

    // The list for the editor: systemDefault first (as "Par défaut"), then the file's.
    QList<Appearance> load(const Appearance &systemDefault) const;
    static QList<Appearance> parse(const QByteArray &bytes, const Appearance &systemDefault);

    // The six default appearances, colours as plain digits.
    static QByteArray defaultBytes();
    ZepError writeDefaults() const;

    // One block with number-line colours, as "&Sauver" appends it.
    static QByteArray block(const Appearance &appearance);
    ZepError append(const Appearance &appearance) const;

    // What "&Sauver" must show instead of saving the name, if anything.
    static std::optional<MessageRequest> checkNewName(const QString &name, const QList<Appearance> &list);

private:
    QString m_path;
};
