#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

// The Windows player under Wine on the X display the test runs on (xvfb-run): one
// Wine prefix for the whole test program, created on first use; windows found, moved
// over and clicked with xdotool, pictures taken with ImageMagick's import.
class WineSession
{
public:
    static WineSession &instance();
    ~WineSession();

    // Starts wine on the program; false when it could not start. nativeFirst: libraries
    // whose copy beside the program Wine is to prefer to its own, as Windows would.
    bool start(const QString &program, const QStringList &arguments = {}, const QString &nativeFirst = {});
    // Waits for the process; its exit code, or -1 when it did not end in time.
    int waitForExit(int milliseconds = 60000);
    // Ends every Wine process of the prefix.
    void stop();

    // The screen's density for the programs started from now on (LogPixels; 96 by default).
    void setScreenDpi(int dpi);

    // The first window whose title matches exactly, or 0 when none appears in time.
    qulonglong findWindow(const QString &title, int milliseconds = 60000) const;
    // The same with an extended regular expression of xdotool.
    qulonglong findWindowMatching(const QString &pattern, int milliseconds = 60000) const;
    bool windowExists(const QString &title) const;
    // The titles of the visible windows, to say what was there instead of a window not found.
    QString visibleTitles() const;
    QRect geometry(qulonglong window) const;
    QImage screen() const;
    // Waits until the screen has not changed for a moment; that picture.
    QImage steadyScreen(int milliseconds = 30000) const;
    void moveMouse(QPoint point) const;
    void click(QPoint point) const;
    void pressKey(qulonglong window, const QString &key) const;
    // Presses Return in the box of that title and waits until it is gone, so that the
    // window below takes clicks again.
    void answer(qulonglong box, const QString &title) const;
    // Waits until the pixel at point has the colour, with a picture after each try.
    bool waitForPixel(QPoint point, QRgb colour, int milliseconds = 30000) const;

private:
    WineSession();
    QString run(const QString &program, const QStringList &arguments, int milliseconds = 30000) const;

    QString m_prefix;
    std::unique_ptr<QProcess> m_player;
};
