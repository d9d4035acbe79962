#include "player/win32/TransparencyRegion.h"

#include <cstring>
#include <vector>

HRGN transparencyRegion(const Bitmap &picture)
{
    constexpr std::uint32_t kWhite = 0xFFFFFF;
    std::vector<RECT> runs;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width();) {
            while (x < picture.width() && picture.pixel(x, y) == kWhite)
                ++x;
            const int start = x;
            while (x < picture.width() && picture.pixel(x, y) != kWhite)
                ++x;
            if (x > start)
                runs.push_back({start, y, x, y + 1});
        }
    }
    if (runs.empty())
        return nullptr;
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = DWORD(runs.size() * sizeof(RECT));
    header.rcBound = {0, 0, picture.width(), picture.height()};
    std::memcpy(data.data(), &header, sizeof(header));
    std::memcpy(data.data() + sizeof(header), runs.data(), runs.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA *>(data.data()));
}
