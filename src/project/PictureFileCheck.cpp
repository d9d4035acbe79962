#include "project/PictureFileCheck.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureFileCheck {

ZepError check(const QString &file)
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

} // namespace PictureFileCheck
