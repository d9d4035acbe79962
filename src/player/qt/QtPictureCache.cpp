#include "player/qt/QtPictureCache.h"

#include <QImageReader>

QtPictureCache::QtPictureCache(qsizetype budgetBytes) : m_images(budgetBytes) {}

QImage QtPictureCache::picture(const QString &path)
{
    if (const QImage *held = m_images.object(path))
        return *held;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    // A picture larger than the whole budget is drawn but not kept; an unreadable one is
    // remembered at a token cost so that it is not tried again on every frame.
    m_images.insert(path, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
    return image;
}
