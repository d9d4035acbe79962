#pragma once

#include "common/Phrase.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The numbered interface texts that a language pack replaces. Without a pack every
// phrase is its French text; with one, the pack's entry, or an empty text when the
// pack has none. One list for the whole run, on the interface thread.
class Phrases
{
public:
    struct Entry
    {
        Entry(Phrase phrase, QString text) : number(static_cast<int>(phrase)), french(std::move(text)) {}
        int number;
        QString french;
    };

    static const QList<Entry> &table();
    static QString french(Phrase phrase);
    static QString text(Phrase phrase);

    static bool packActive();
    // On: the pack's list starts empty and its scripts fill it. Off: French again.
    static void setPackActive(bool on);
    // The pack's phrase list, "Liste" in its scripts: phrase n is entry n.
    static QStringList &list();
};
