#pragma once

#include "project/PictureLoader.h"

// Without a window: a picture loads when its file exists and decodes as an image.
class PictureFileCheck : public PictureLoader
{
public:
    ZepError loadBackground(const QString &file) override;
    ZepError loadButtonImage(int slot, const QString &file) override;

    static ZepError check(const QString &file);
};
