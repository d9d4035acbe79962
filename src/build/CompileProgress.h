#pragma once

#include <QString>

// Where the compilation shows how far it got: the compile dialog's labels and
// fields, or nothing at all for the command line.
class CompileProgress
{
public:
    virtual ~CompileProgress() = default;

    // colour: red + 256 * green + 65536 * blue; -1 keeps the colour the label has.
    virtual void status(const QString &text, int colour) = 0;
    virtual void step(const QString &text) = 0;
    virtual void fieldsEnabled(bool enabled) = 0;
    // The instruction label's text once the compilation is done.
    virtual void report(const QString &text) = 0;
    // The folder completed with its final separator.
    virtual void folderCompleted(const QString &folder) = 0;
};
