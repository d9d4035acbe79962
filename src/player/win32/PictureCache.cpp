#include "player/win32/PictureCache.h"

#include "player/core/SystemPath.h"

PictureCache::PictureCache(std::size_t budget) : m_budget(budget)
{
}

PixelSize PictureCache::size(const std::string &path)
{
    const auto known = m_sizes.find(path);
    if (known != m_sizes.end())
        return known->second;
    const Bitmap *bitmap = picture(path);
    const PixelSize size = bitmap ? PixelSize{bitmap->width(), bitmap->height()} : PixelSize{};
    m_sizes[path] = size;
    return size;
}

const Bitmap *PictureCache::picture(const std::string &path)
{
    if (const Bitmap *found = find(path))
        return found;
    const auto known = m_sizes.find(path);
    if (known != m_sizes.end() && known->second.width == 0)
        return nullptr;
    Bitmap loaded = Bitmap::load(systempath::of(path).native());
    if (loaded.isNull()) {
        m_sizes[path] = {};
        return nullptr;
    }
    return keep(path, std::move(loaded));
}

const Bitmap *PictureCache::picture(const std::string &path, int width, int height)
{
    const std::string key = path + '|' + std::to_string(width) + 'x' + std::to_string(height);
    if (const Bitmap *found = find(key))
        return found;
    const Bitmap *original = picture(path);
    if (!original)
        return nullptr;
    if (original->width() == width && original->height() == height)
        return original;
    Bitmap copy = original->scaled(width, height);
    return copy.isNull() ? nullptr : keep(key, std::move(copy));
}

const Bitmap *PictureCache::find(const std::string &key)
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return nullptr;
    found->second.lastUse = ++m_clock;
    return &found->second.bitmap;
}

const Bitmap *PictureCache::keep(const std::string &key, Bitmap bitmap)
{
    m_held += bitmap.bytes();
    Entry &entry = m_entries[key];
    entry = Entry{std::move(bitmap), ++m_clock};
    trim(key);
    return &m_entries.at(key).bitmap;
}

void PictureCache::trim(const std::string &kept)
{
    while (m_held > m_budget && m_entries.size() > 1) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->first != kept && (oldest == m_entries.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        m_held -= oldest->second.bitmap.bytes();
        m_entries.erase(oldest);
    }
}
