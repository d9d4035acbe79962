#include "player/qt/PlayerApplication.h"

#include "player/core/PlayerLaunch.h"
#include "player/qt/PlayerWindow.h"
#include "prompt/ConsolePrompter.h"
#include "prompt/gui/QtPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegion>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Without a screen, or when run to take a picture, a box could never be answered.
bool headless()
{
    return QGuiApplication::platformName() == u"offscreen"_s || !qEnvironmentVariableIsEmpty("ZEP_PLAYER_GRAB") ||
           qEnvironmentVariableIntValue("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME") == 1;
}

void tell(Prompter &prompter, const PlayerMessage &message, bool isError)
{
    std::fputs((message.text + '\n').c_str(), isError ? stderr : stdout);
    std::fflush(isError ? stderr : stdout);
    if (!headless())
        prompter.message(QString::fromStdString(message.text), QString::fromStdString(message.title),
                         isError ? MessageIcon::Critical : MessageIcon::Information);
}

} // namespace

int PlayerApplication::run(const QString &programFile, const QStringList &arguments)
{
    QtPrompter prompter;
    QFile file(programFile);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    PlayerLaunch launch = PlayerLaunch::decide(arguments.value(0).toStdString(),
                                               std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (launch.message) {
        tell(prompter, *launch.message, launch.failed);
        return launch.exitCode;
    }
    if (launch.endAtOnce)
        return 0;

    const QString mediaFolder = QFileInfo(programFile).absolutePath();
    QDir root(mediaFolder);
    root.cdUp();
    ConsolePrompter console;
    Prompter &scriptPrompter = headless() ? static_cast<Prompter &>(console) : prompter;
    PlayerWindow window(std::move(launch.menu), mediaFolder, root.absolutePath(), scriptPrompter);
    const QString grab = qEnvironmentVariable("ZEP_PLAYER_GRAB");
    if (!grab.isEmpty() || qEnvironmentVariableIntValue("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME") == 1) {
        QObject::connect(&window, &PlayerWindow::firstFrameShown, &window, [&window, grab] {
            if (!grab.isEmpty()) {
                QImage frame = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
                // What the window's shape cuts away shows as transparent. The mask is in
                // the window's own pixels, the picture in the screen's (1.5 of them at 144 dpi).
                const QRegion mask = window.windowMask();
                const qreal ratio = frame.devicePixelRatio();
                if (!mask.isEmpty()) {
                    for (int y = 0; y < frame.height(); ++y)
                        for (int x = 0; x < frame.width(); ++x)
                            if (!mask.contains(QPoint(int(x / ratio), int(y / ratio))))
                                frame.setPixel(x, y, 0);
                }
                frame.save(grab, "PNG");
            }
            QCoreApplication::quit();
        });
    }
    window.start();
    return QApplication::exec();
}
