#pragma once

#include "player/core/PlayerFront.h"
#include "player/win32/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// The decoded pictures of a menu, and their copies at the sizes they are drawn at, within
// a budget of memory: a slideshow of camera photos set by a script must not grow without
// end. The least recently drawn go first and are read again from their file if needed.
class PictureCache
{
public:
    explicit PictureCache(std::size_t budget = std::size_t(96) << 20);

    // The file's size in its own pixels; 0 x 0 when it cannot be read. Sizes are remembered.
    PixelSize size(const std::string &path);
    // The picture at its own size, or at width x height (smoothed once); nullptr when unreadable.
    const Bitmap *picture(const std::string &path);
    const Bitmap *picture(const std::string &path, int width, int height);

    std::size_t bytesHeld() const { return m_held; }

private:
    struct Entry
    {
        Bitmap bitmap;
        std::uint64_t lastUse = 0;
    };

    const Bitmap *keep(const std::string &key, Bitmap bitmap);
    const Bitmap *find(const std::string &key);
    void trim(const std::string &kept);

    std::size_t m_budget;
    std::size_t m_held = 0;
    std::uint64_t m_clock = 0;
    std::map<std::string, Entry> m_entries;
    std::map<std::string, PixelSize> m_sizes;
};
