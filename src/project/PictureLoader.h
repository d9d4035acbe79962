#pragma once

#include "common/ZepError.h"

#include <QString>

// Where the reader puts the pictures a project names: the worksheet in the designer,
// a file check without a window. Paths are ready to open.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    virtual ZepError loadBackground(const QString &file) = 0;
    virtual ZepError loadButtonImage(int slot, const QString &file) = 0;
};
