#include "player/core/MenuSession.h"
#include "player/core/PlayerPainter.h"

#include <benchmark/benchmark.h>

namespace {

// A front that shows nothing, so only the session's own work is measured.
class SilentFront : public PlayerFront
{
public:
    ScreenInfo screenInfo() const override { return {}; }
    int userLocale() const override { return 0; }
    void createWindow(const WindowLook &look) override { m_frame = look.frame; }
    void setWindowVisible(bool) override {}
    void showWindowState(int) override {}
    void setWindowFrame(PixelRect frame) override { m_frame = frame; }
    PixelRect windowFrame() const override { return m_frame; }
    void setTitle(const std::string &) override {}
    void invalidate() override {}
    PixelSize loadPicture(const std::string &) override { return {40, 20}; }
    void showText(int, const TextBoxLook &) override {}
    void showCursor(const Cursor &) override {}
    void startMenuTimer(int) override {}
    void stopMenuTimer() override {}
    void playSound(SoundChannel, const std::string &) override {}
    void playVideo(const std::string &) override {}
    bool runProgram(const std::string &, const std::string &) override { return true; }
    bool openDocument(const std::string &) override { return true; }
    void moveTray(bool, const std::string &) override {}
    int messageBox(const std::string &, int, const std::string &) override { return 1; }
    std::string inputBox(const std::string &, const std::string &, const std::string &) override { return {}; }
    void endMenu() override {}

private:
    PixelRect m_frame;
};

// The largest menu the data allows: 100 buttons in a grid and 100 text boxes, each
// button with a hover script.
MenuModel largeMenu()
{
    MenuModel menu;
    menu.width = 12000;
    menu.height = 9000;
    menu.globalCode = "Dim survols\r\nSub Compte()\r\n  survols = survols + 1\r\nEnd Sub";
    for (int n = 1; n <= 100; ++n) {
        MenuModel::Button b;
        b.number = n;
        b.left = 750.0 * ((n - 1) % 10);
        b.top = 450.0 * ((n - 1) / 10);
        b.normalImage = b.hoverImage = b.clickImage = "b.bmp";
        b.kind = "code";
        b.hoverCode = "Compte";
        menu.buttons.push_back(b);
        MenuModel::Text t;
        t.number = n;
        t.left = 750.0 * ((n - 1) % 10);
        t.top = 4800 + 360.0 * ((n - 1) / 10);
        t.width = 600;
        t.height = 300;
        menu.texts.push_back(t);
    }
    return menu;
}

void startLargeMenu(benchmark::State &state)
{
    const MenuModel menu = largeMenu();
    SilentFront front;
    for (auto _ : state) {
        MenuSession session(menu, front, DiscPaths("/cd", "/cd/zep"));
        session.start();
        benchmark::DoNotOptimize(&session);
    }
}
BENCHMARK(startLargeMenu)->Unit(benchmark::kMillisecond);

// The pointer sweeps the whole window pixel row by row, entering and leaving buttons.
void sweepThePointer(benchmark::State &state)
{
    SilentFront front;
    MenuSession session(largeMenu(), front, DiscPaths("/cd", "/cd/zep"));
    session.start();
    int x = 0;
    int y = 0;
    for (auto _ : state) {
        session.pointerMoved({x, y});
        x = (x + 7) % 800;
        if (x < 7)
            y = (y + 3) % 600;
    }
}
BENCHMARK(sweepThePointer);

class CountingPainter : public PlayerPainter
{
public:
    int calls = 0;
    void fill(PixelRect, Rgb) override { ++calls; }
    void drawPicture(const std::string &, PixelRect) override { ++calls; }
    void drawOutline(Outline, PixelRect, Rgb, int) override { ++calls; }
};

void paintLargeMenu(benchmark::State &state)
{
    SilentFront front;
    MenuSession session(largeMenu(), front, DiscPaths("/cd", "/cd/zep"));
    session.start();
    CountingPainter painter;
    for (auto _ : state)
        session.paint(painter, {800, 600});
    benchmark::DoNotOptimize(painter.calls);
}
BENCHMARK(paintLargeMenu);

} // namespace

BENCHMARK_MAIN();
