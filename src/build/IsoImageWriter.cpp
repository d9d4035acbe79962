#include "build/IsoImageWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct ArchiveDeleter
{
    void operator()(archive *a) const { archive_write_free(a); }
};
struct EntryDeleter
{
    void operator()(archive_entry *e) const { archive_entry_free(e); }
};
using Archive = std::unique_ptr<archive, ArchiveDeleter>;
using Entry = std::unique_ptr<archive_entry, EntryDeleter>;

la_ssize_t writeToFile(archive *, void *file, const void *buffer, size_t length)
{
    const qint64 written = static_cast<QSaveFile *>(file)->write(static_cast<const char *>(buffer), qint64(length));
    return written < 0 ? -1 : la_ssize_t(written);
}

struct Item
{
    QString path;     // on disk
    QString name;     // inside the image
    QFileInfo info;
};

QList<Item> itemsOf(const QString &folder)
{
    QList<Item> items;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        items.append({path, root.relativeFilePath(path), it.fileInfo()});
    }
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) { return a.name < b.name; });
    return items;
}

ZepError archiveError(archive *a)
{
    const char *text = archive_error_string(a);
    return ZepError(ErrorCode::PathFileAccess, text ? QString::fromLocal8Bit(text) : errorDescription(75));
}

} // namespace

QString IsoImageWriter::volumeId(const QString &projectName)
{
    QString id;
    for (const QChar c : projectName.normalized(QString::NormalizationForm_D).toUpper()) {
        if (c.isMark())
            continue;
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            id += c;
        else if (!id.isEmpty() && !id.endsWith(u'_'))
            id += u'_';
        if (id.size() == 32)
            break;
    }
    while (id.endsWith(u'_'))
        id.chop(1);
    return id.isEmpty() ? u"ZEP"_s : id;
}

ZepError IsoImageWriter::write(const QString &folder, const QString &imagePath, const QString &volumeId)
{
    if (!QFileInfo(folder).isDir())
        return ZepError::about(ErrorCode::PathNotFound, folder);
    const QList<Item> items = itemsOf(folder);
    qint64 total = 0;
    for (const Item &item : items)
        total += item.info.isFile() ? item.info.size() : 0;

    QSaveFile image(imagePath);
    if (!image.open(QIODevice::WriteOnly))
        return ZepError::about(ErrorCode::PathFileAccess, imagePath);

    Archive a(archive_write_new());
    archive_write_set_format_iso9660(a.get());
    const QByteArray volume = "volume-id=" + volumeId.toLatin1();
    if (archive_write_set_format_option(a.get(), "iso9660", "joliet", "1") < ARCHIVE_WARN ||
        archive_write_set_format_option(a.get(), "iso9660", "rockridge", "1") < ARCHIVE_WARN ||
        archive_write_set_options(a.get(), ("iso9660:" + volume).constData()) < ARCHIVE_WARN ||
        archive_write_set_bytes_in_last_block(a.get(), 1) < ARCHIVE_WARN ||
        archive_write_open2(a.get(), &image, nullptr, writeToFile, nullptr, nullptr) != ARCHIVE_OK) {
        image.cancelWriting();
        return archiveError(a.get());
    }

    qint64 done = 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (const Item &item : items) {
        Entry entry(archive_entry_new());
        archive_entry_set_pathname_utf8(entry.get(), item.name.toUtf8().constData());
        archive_entry_set_mtime(entry.get(), item.info.lastModified().toSecsSinceEpoch(), 0);
        const auto permissions = QFile::permissions(item.path);
        const bool executable = permissions & QFile::ExeOwner;
        if (item.info.isDir()) {
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            archive_entry_set_perm(entry.get(), 0755);
        } else {
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_perm(entry.get(), executable ? 0755 : 0644);
            archive_entry_set_size(entry.get(), item.info.size());
        }
        if (archive_write_header(a.get(), entry.get()) < ARCHIVE_WARN) {
            image.cancelWriting();
            return archiveError(a.get());
        }
        if (!item.info.isFile())
            continue;
        QFile file(item.path);
        if (!file.open(QIODevice::ReadOnly)) {
            image.cancelWriting();
            return ZepError::about(ErrorCode::FileNotFound, item.path);
        }
        while (qint64 read = file.read(buffer.data(), buffer.size())) {
            if (read < 0 || archive_write_data(a.get(), buffer.constData(), size_t(read)) < 0) {
                image.cancelWriting();
                return archiveError(a.get());
            }
            done += read;
            if (m_progress)
                m_progress(done, total);
        }
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK) {
        image.cancelWriting();
        return archiveError(a.get());
    }
    if (!image.commit())
        return ZepError::about(ErrorCode::PathFileAccess, imagePath);
    return {};
}
