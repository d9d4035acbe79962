#pragma once

#include "project/RecentFilesSink.h"
#include "prompt/PromptTypes.h"

#include <QList>
#include <QObject>

class SettingsStore;

// The five recent projects of section "FichiersRecents", "Fichier1" the oldest.
class RecentFiles : public QObject, public RecentFilesSink
{
    Q_OBJECT

public:
    static constexpr int kMaxEntries = 5;

    struct Entry
    {
        int number = 0; // n of "Fichier" + n: the menu entry's place
        QString path;
        QString caption;

        bool operator==(const Entry &) const = default;
    };

    explicit RecentFiles(SettingsStore &store, QObject *parent = nullptr);

    // The menu's entries; empty when the menu shows only the disabled placeholder.
    QList<Entry> entries() const;
    static QString placeholderCaption(); // "Aucun fichier récent"
    static QString captionFor(const QString &path);

    void add(const QString &path) override;

    // Shown when a chosen entry's file has gone; the entry stays.
    static MessageRequest missingFileMessage(const QString &path);

signals:
    // The store changed: the menu is rebuilt from entries().
    void changed();

private:
    static QString valueName(int number);

    SettingsStore &m_store;
};
