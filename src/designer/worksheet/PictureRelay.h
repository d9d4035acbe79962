#pragma once

#include "project/PictureLoader.h"

// The project storage is made before the worksheet: pictures go to the worksheet once
// it exists, and are only checked before.
class PictureRelay : public PictureLoader
{
public:
    void setTarget(PictureLoader *target) { m_target = target; }

    ZepError loadBackground(const QString &file) override;
    ZepError loadButtonImage(int slot, const QString &file) override;

private:
    PictureLoader *m_target = nullptr;
};
