#pragma once

#include "build/CompileProgress.h"

#include <QtGlobal>

// What zepc shows while it builds. On a terminal: the steps of the designer's compile
// window, one line each, and a line kept up to date while files are copied and while
// the ISO image is written. Elsewhere, or when asked to be quiet, nothing.
class TerminalProgress : public CompileProgress
{
public:
    explicit TerminalProgress(bool quiet);
    ~TerminalProgress() override;

    bool shown() const { return m_shown; }

    void status(const QString &text, int colour) override;
    void step(const QString &text) override;
    void fieldsEnabled(bool) override {}
    void report(const QString &) override {}
    void folderCompleted(const QString &) override {}
    // Bytes of the ISO image written, of the total.
    void image(qint64 done, qint64 total);
    // Ends a line left open, so what comes next starts on its own.
    void close();

private:
    void showLive(const QString &text);

    bool m_shown;
    bool m_open = false;
    QString m_step;        // the step under way, shown until its "Terminé."
    bool m_inCopy = false; // a file copy inside that step
    int m_copies = 0;
    int m_percent = -1;
};
