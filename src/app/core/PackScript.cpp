#include "app/core/PackScript.h"

#include "common/Cp1252.h"
#include "vbscript/ScriptEngine.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <condition_variable>
#include <mutex>
#include <thread>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

long long residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Raises the engine's interrupt flag when the file runs too long or the program grows
// too much; the engine stops at its next step.
class Watchdog
{
public:
    Watchdog(std::atomic<bool> &interrupt, const PackScript::Limits &limits)
        : m_interrupt(interrupt), m_limits(limits), m_thread([this] { watch(); })
    {
    }
    ~Watchdog() { finish(); }

    PackScript::Result finish()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        if (m_thread.joinable())
            m_thread.join();
        return m_verdict;
    }

private:
    void watch()
    {
        const auto deadline = std::chrono::steady_clock::now() + m_limits.time;
        const long long start = residentBytes();
        std::unique_lock lock(m_mutex);
        while (!m_done) {
            if (std::chrono::steady_clock::now() >= deadline)
                m_verdict = PackScript::Result::OverTime;
            else if (residentBytes() - start > m_limits.memoryGrowth)
                m_verdict = PackScript::Result::OverMemory;
            if (m_verdict != PackScript::Result::Ran) {
                m_interrupt.store(true);
                return;
            }
            m_wake.wait_for(lock, std::chrono::milliseconds(10));
        }
    }

    std::atomic<bool> &m_interrupt;
    const PackScript::Limits m_limits;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    PackScript::Result m_verdict = PackScript::Result::Ran;
    std::thread m_thread;
};

} // namespace

PackScript::Result PackScript::runFile(const QString &path, const Objects &objects, const Limits &limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::Failed;
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return run(QString::fromUtf8(bytes.mid(3)), objects, limits);
    if (bytes.startsWith("\xFF\xFE"))
        return run(QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2)), objects, limits);
    return run(cp1252::decode(bytes), objects, limits);
}

PackScript::Result PackScript::run(const QString &source, const Objects &objects, const Limits &limits)
{
    vbs::ScriptEngine engine;
    engine.limits().maxSteps = limits.steps;
    engine.limits().maxStringLength = limits.stringLength;
    for (const auto &[name, object] : objects)
        engine.addObject(name.toStdU16String(), object);
    Watchdog watchdog(engine.interruptFlag(), limits);
    bool ran = true;
    try {
        engine.addCode(source.toStdU16String());
    } catch (const vbs::ScriptError &) {
        ran = false;
    }
    const Result verdict = watchdog.finish();
    return verdict != Result::Ran ? verdict : ran ? Result::Ran : Result::Failed;
}

MessageRequest PackScript::stopped(const QString &path, Result result, const Limits &limits)
{
    const QString reason = result == Result::OverTime
                               ? u"il a duré plus de %1 secondes"_s.arg(double(limits.time.count()) / 1000.0)
                               : u"il a demandé plus de %1 Mo de mémoire"_s.arg(limits.memoryGrowth >> 20);
    return {u"Le fichier de langue '"_s + QFileInfo(path).fileName() + u"' a été arrêté : "_s + reason +
                u". ZEP continue sans la suite de ce fichier."_s,
            u"Langue/Language"_s, MessageIcon::Exclamation};
}
