#include "project/PictureFileCheck.h"

#include <QFileInfo>
#include <QImageReader>

ZepError PictureFileCheck::check(const QString &file)
{
    if (file.isEmpty())
        return {};
    if (!QFileInfo(file).isFile())
        return ZepError(ErrorCode::FileNotFound);
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (reader.read().isNull())
        return ZepError(ErrorCode::InvalidPicture);
    return {};
}

ZepError PictureFileCheck::loadBackground(const QString &file)
{
    return check(file);
}

ZepError PictureFileCheck::loadButtonImage(int, const QString &file)
{
    return check(file);
}
