#include "cli/TerminalProgress.h"

#include "build/CompileEngine.h"
#include "common/Phrases.h"

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void write(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

TerminalProgress::TerminalProgress(bool quiet) : m_shown(!quiet && isatty(STDOUT_FILENO)) {}

TerminalProgress::~TerminalProgress()
{
    close();
}

void TerminalProgress::showLive(const QString &text)
{
    // Back to the start of the line and clear it: the line is rewritten in place.
    write(u"\r\x1b[K"_s + text);
    m_open = true;
}

void TerminalProgress::close()
{
    if (m_open)
        write(u"\n"_s);
    m_open = false;
}

void TerminalProgress::status(const QString &text, int)
{
    // The last status only repeats the end of the steps.
    if (!m_shown || text == Phrases::text(Phrase::CompileDone))
        return;
    close();
    write(text + u'\n');
}

void TerminalProgress::step(const QString &text)
{
    if (!m_shown || text.isEmpty())
        return;
    const QString done = Phrases::text(Phrase::CompileDone);
    if (text == done) {
        // The end of a copy inside a step, or of the step itself.
        if (m_inCopy) {
            m_inCopy = false;
        } else if (!m_step.isEmpty()) {
            showLive(m_step + u' ' + done);
            close();
            m_step.clear();
        }
        return;
    }
    if (m_step.isEmpty()) {
        m_step = text;
        m_copies = 0;
        showLive(text);
        return;
    }
    m_inCopy = true;
    ++m_copies;
    QString line = m_step + u' ' + text;
    if (m_step == Phrases::text(Phrase::CopyingRuntime))
        line +=
            u" ("_s + QString::number(m_copies) + u'/' + QString::number(CompileEngine::runtimeFiles().size()) + u')';
    showLive(line);
}

void TerminalProgress::image(qint64 done, qint64 total)
{
    if (!m_shown)
        return;
    const int percent = total > 0 ? int(done * 100 / total) : 100;
    if (percent == m_percent)
        return;
    m_percent = percent;
    showLive(Phrases::text(Phrase::WritingIsoImage) + u' ' + QString::number(percent) + u" %"_s);
    if (percent >= 100)
        close();
}
