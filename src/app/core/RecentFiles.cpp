#include "app/core/RecentFiles.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "platform/SettingsStore.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"FichiersRecents"_s;
constexpr qsizetype kShortPath = 10;

} // namespace

RecentFiles::RecentFiles(SettingsStore &store, QObject *parent) : QObject(parent), m_store(store) {}

QString RecentFiles::valueName(int number)
{
    return u"Fichier"_s + QString::number(number);
}

QString RecentFiles::placeholderCaption()
{
    return Phrases::text(Phrase::NoRecentFile);
}

QString RecentFiles::captionFor(const QString &path)
{
    if (path.size() <= kShortPath)
        return path;
    return path.left(kShortPath) + u".../"_s + pathtext::nameOf(path);
}

QList<RecentFiles::Entry> RecentFiles::entries() const
{
    QList<Entry> list;
    if (m_store.value(kSection, valueName(1)).isEmpty())
        return list;
    for (int n = 1; n <= kMaxEntries; ++n) {
        const QString path = m_store.value(kSection, valueName(n));
        if (!path.isEmpty())
            list.append({n, path, captionFor(path)});
    }
    return list;
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QList<Entry> list = entries();
    for (const Entry &entry : list) {
        if (entry.path == path)
            return;
    }
    if (list.size() < kMaxEntries) {
        // The first free value: "Fichier1" under the placeholder, the one after the last
        // entry otherwise. Values left empty by hand are filled rather than overwriting
        // the entries after them.
        int free = 1;
        while (!m_store.value(kSection, valueName(free)).isEmpty())
            ++free;
        m_store.setValue(kSection, valueName(free), path);
    } else {
        for (int n = 1; n < kMaxEntries; ++n)
            m_store.setValue(kSection, valueName(n), list[n].path);
        m_store.setValue(kSection, valueName(kMaxEntries), path);
    }
    m_store.sync();
    emit changed();
}

MessageRequest RecentFiles::missingFileMessage(const QString &path)
{
    MessageRequest message;
    message.text = Phrases::text(Phrase::TheFileQuote) + path + Phrases::text(Phrase::QuoteNotFound);
    message.title = Phrases::text(Phrase::LoadError);
    message.icon = MessageIcon::Critical;
    return message;
}
