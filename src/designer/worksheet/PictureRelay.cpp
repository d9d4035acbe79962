#include "designer/worksheet/PictureRelay.h"

#include "project/PictureFileCheck.h"

ZepError PictureRelay::loadBackground(const QString &file)
{
    return m_target ? m_target->loadBackground(file) : PictureFileCheck::check(file);
}

ZepError PictureRelay::loadButtonImage(int slot, const QString &file)
{
    return m_target ? m_target->loadButtonImage(slot, file) : PictureFileCheck::check(file);
}
