#pragma once

#include <QCache>
#include <QImage>
#include <QString>

// The decoded pictures of a menu within a budget of memory: a slideshow of camera photos
// set by a script must not grow without end. The least recently used go first and are
// read again from their file when they are wanted again.
class QtPictureCache
{
public:
    explicit QtPictureCache(qsizetype budgetBytes = qsizetype(96) << 20);

    // The picture of that file, whatever its extension says; a null image when it cannot be read.
    QImage picture(const QString &path);
    qsizetype bytesHeld() const { return m_images.totalCost(); }

private:
    QCache<QString, QImage> m_images;
};
