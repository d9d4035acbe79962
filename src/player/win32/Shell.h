#pragma once

#include <string>

// What the menu asks of the system: opening documents, folders and addresses, starting
// programs, and the CD tray. Paths are resolved against the disc's root folder.
class Shell
{
public:
    // discRoot: the folder above zep\, with "\" separators.
    explicit Shell(std::wstring discRoot) : m_discRoot(std::move(discRoot)) {}

    const std::wstring &discRoot() const { return m_discRoot; }
    // "[LECT]:\a\b", "\a\b" and "a\b" name files on the disc; other absolute paths stay.
    std::wstring discPath(const std::wstring &reference) const;

    // A document, a folder, an address or a program, as Explorer would open it.
    void open(const std::wstring &reference) const;
    // A script's command line: a program and its arguments, a document, "explorer" and a folder, an address.
    void run(const std::wstring &commandLine) const;
    // drive: a letter, or empty or a folder for the disc's own drive.
    void moveTray(bool open, const std::wstring &drive) const;

private:
    void execute(const std::wstring &file, const std::wstring &parameters) const;

    std::wstring m_discRoot;
};
