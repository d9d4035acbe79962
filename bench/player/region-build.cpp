// How long the region of a 1920 x 1080 transparency image (240 discs, some fifteen runs
// of kept pixels a row) takes to build: a rectangle a run joined one by one with
// CombineRgn, and the player's regionOfRuns. Built and run under Wine by
// bench/player/pictures-under-wine; prints milliseconds.
#include "player/win32/TransparencyRegion.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

bool kept(int x, int y)
{
    const int dx = x % 96 - 48;
    const int dy = y % 90 - 45;
    return dx * dx + dy * dy > 30 * 30; // outside a disc
}

double now()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

int main()
{
    std::vector<RECT> runs;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth;) {
            while (x < kWidth && !kept(x, y))
                ++x;
            const int start = x;
            while (x < kWidth && kept(x, y))
                ++x;
            if (x > start)
                runs.push_back({start, y, x, y + 1});
        }
    }

    double start = now();
    HRGN joined = CreateRectRgn(0, 0, 0, 0);
    for (const RECT &run : runs) {
        HRGN one = CreateRectRgnIndirect(&run);
        CombineRgn(joined, joined, one, RGN_OR);
        DeleteObject(one);
    }
    const double oneByOne = now() - start;

    start = now();
    HRGN player = regionOfRuns(runs);
    const double inBands = now() - start;

    std::printf("region of %zu runs: one by one %.1f ms, the player's way %.1f ms, same region: %s\n", runs.size(),
                oneByOne, inBands, EqualRgn(joined, player) ? "yes" : "no");
    return 0;
}
