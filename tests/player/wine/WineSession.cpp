#include "WineSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

QProcessEnvironment wineEnvironment(const QString &prefix)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"WINEPREFIX"_s, prefix);
    env.insert(u"WINEDEBUG"_s, u"-all"_s);
    // No question about installing Mono or Gecko while the prefix is made.
    env.insert(u"WINEDLLOVERRIDES"_s, u"mscoree,mshtml="_s);
    return env;
}

QTemporaryDir &prefixFolder()
{
    static QTemporaryDir folder(QDir::temp().filePath(u"zep-wine-XXXXXX"_s));
    return folder;
}

} // namespace

WineSession &WineSession::instance()
{
    static WineSession session;
    return session;
}

WineSession::WineSession() : m_prefix(prefixFolder().filePath(u"prefix"_s))
{
    // The first start makes the prefix; every test after it reuses it.
    run(u"wine"_s, {u"wineboot"_s, u"--init"_s}, 180000);
    run(u"wineserver"_s, {u"-w"_s}, 180000);
}

WineSession::~WineSession()
{
    stop();
}

QString WineSession::run(const QString &program, const QStringList &arguments, int milliseconds) const
{
    QProcess process;
    process.setProcessEnvironment(wineEnvironment(m_prefix));
    process.start(program, arguments);
    if (!process.waitForFinished(milliseconds))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool WineSession::start(const QString &program, const QStringList &arguments, const QString &nativeFirst)
{
    stop();
    m_player = std::make_unique<QProcess>();
    QProcessEnvironment env = wineEnvironment(m_prefix);
    if (!nativeFirst.isEmpty())
        env.insert(u"WINEDLLOVERRIDES"_s, env.value(u"WINEDLLOVERRIDES"_s) + u';' + nativeFirst + u"=n,b"_s);
    m_player->setProcessEnvironment(env);
    m_player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_player->start(u"wine"_s, QStringList{program} + arguments);
    return m_player->waitForStarted(30000);
}

int WineSession::waitForExit(int milliseconds)
{
    if (!m_player || !m_player->waitForFinished(milliseconds))
        return -1;
    return m_player->exitStatus() == QProcess::NormalExit ? m_player->exitCode() : -1;
}

void WineSession::stop()
{
    // -k only sends the signal: the next start must not reach a server still going down.
    run(u"wineserver"_s, {u"-k"_s});
    run(u"wineserver"_s, {u"-w"_s});
    if (m_player) {
        m_player->waitForFinished(10000);
        m_player.reset();
    }
}

void WineSession::setScreenDpi(int dpi)
{
    stop();
    run(u"wine"_s,
        {u"reg"_s, u"add"_s, u"HKCU\\Control Panel\\Desktop"_s, u"/v"_s, u"LogPixels"_s, u"/t"_s, u"REG_DWORD"_s,
         u"/d"_s, QString::number(dpi), u"/f"_s},
        180000);
    // Killing the server now could lose the value or leave its services half started:
    // let it write the registry and end by itself, as after the prefix is made.
    run(u"wineserver"_s, {u"-w"_s}, 180000);
}

qulonglong WineSession::findWindow(const QString &title, int milliseconds) const
{
    // xdotool matches bytes or characters by the locale: any letter beyond ASCII matches a short run.
    QString pattern = u"^"_s;
    for (const QChar c : title)
        pattern += c.unicode() > 127 ? u".{1,3}"_s : u"\\^$.|?*+()[]{}"_s.contains(c) ? u"\\"_s + c : QString(c);
    pattern += u'$';
    return findWindowMatching(pattern, milliseconds);
}

qulonglong WineSession::findWindowMatching(const QString &pattern, int milliseconds) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QStringList ids = run(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, pattern})
                                    .split(u'\n', Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            return ids.first().toULongLong();
        QThread::msleep(200);
    } while (clock.elapsed() < milliseconds);
    return 0;
}

QString WineSession::visibleTitles() const
{
    QStringList titles;
    const QStringList ids =
        run(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"."_s}).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &id : ids)
        titles << run(u"xdotool"_s, {u"getwindowname"_s, id}).trimmed();
    return u"windows on screen: «"_s + titles.join(u"», «"_s) + u"»"_s;
}

bool WineSession::windowExists(const QString &title) const
{
    return findWindow(title, 0) != 0;
}

QRect WineSession::geometry(qulonglong window) const
{
    QRect box;
    const QStringList lines =
        run(u"xdotool"_s, {u"getwindowgeometry"_s, u"--shell"_s, QString::number(window)}).split(u'\n');
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals);
        const int value = line.mid(equals + 1).toInt();
        if (name == u"X"_s)
            box.moveLeft(value);
        else if (name == u"Y"_s)
            box.moveTop(value);
        else if (name == u"WIDTH"_s)
            box.setWidth(value);
        else if (name == u"HEIGHT"_s)
            box.setHeight(value);
    }
    return box;
}

QImage WineSession::screen() const
{
    QProcess import;
    import.start(u"import"_s, {u"-window"_s, u"root"_s, u"png:-"_s});
    import.waitForFinished(30000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage WineSession::steadyScreen(int milliseconds) const
{
    QElapsedTimer clock;
    clock.start();
    QImage last = screen();
    do {
        QThread::msleep(500);
        QImage now = screen();
        if (now == last)
            return now;
        last = std::move(now);
    } while (clock.elapsed() < milliseconds);
    return last;
}

void WineSession::moveMouse(QPoint point) const
{
    run(u"xdotool"_s, {u"mousemove"_s, QString::number(point.x()), QString::number(point.y())});
}

void WineSession::click(QPoint point) const
{
    moveMouse(point);
    run(u"xdotool"_s, {u"click"_s, u"1"_s});
}

void WineSession::pressKey(qulonglong window, const QString &key) const
{
    run(u"xdotool"_s, {u"key"_s, u"--window"_s, QString::number(window), key});
}

void WineSession::answer(qulonglong box, const QString &title) const
{
    pressKey(box, u"Return"_s);
    QElapsedTimer clock;
    clock.start();
    while (windowExists(title) && clock.elapsed() < 30000)
        QThread::msleep(100);
}

bool WineSession::waitForPixel(QPoint point, QRgb colour, int milliseconds) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        if ((screen().pixel(point) & 0xFFFFFF) == (colour & 0xFFFFFF))
            return true;
        QThread::msleep(200);
    } while (clock.elapsed() < milliseconds);
    return false;
}
