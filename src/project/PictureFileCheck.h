#pragma once

#include "common/ZepError.h"

#include <QString>

// Without a window: a picture loads when its file exists and decodes as an image.
namespace PictureFileCheck {

ZepError check(const QString &file);

} // namespace PictureFileCheck
