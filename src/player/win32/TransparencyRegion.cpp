#include "player/win32/TransparencyRegion.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kBandRuns = 64;

HRGN bandRegion(std::span<const RECT> runs)
{
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = DWORD(runs.size() * sizeof(RECT));
    header.rcBound = {runs.front().left, runs.front().top, runs.front().right, runs.back().bottom};
    for (const RECT &run : runs) {
        header.rcBound.left = std::min(header.rcBound.left, run.left);
        header.rcBound.right = std::max(header.rcBound.right, run.right);
    }
    std::memcpy(data.data(), &header, sizeof(header));
    std::memcpy(data.data() + sizeof(header), runs.data(), runs.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA *>(data.data()));
}

} // namespace

HRGN regionOfRuns(std::span<const RECT> runs)
{
    std::vector<HRGN> regions;
    for (std::size_t at = 0; at < runs.size(); at += kBandRuns)
        regions.push_back(bandRegion(runs.subspan(at, std::min(kBandRuns, runs.size() - at))));
    while (regions.size() > 1) {
        std::vector<HRGN> joined;
        for (std::size_t i = 0; i + 1 < regions.size(); i += 2) {
            CombineRgn(regions[i], regions[i], regions[i + 1], RGN_OR);
            DeleteObject(regions[i + 1]);
            joined.push_back(regions[i]);
        }
        if (regions.size() % 2 == 1)
            joined.push_back(regions.back());
        regions.swap(joined);
    }
    return regions.empty() ? nullptr : regions.front();
}

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
    return regionOfRuns(runs);
}
