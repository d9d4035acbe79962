#pragma once

#include <QString>

// The text rules of freedesktop desktop entries, shared by every entry ZEP writes.
namespace desktopentry {

// One argument of an Exec line: double-quoted, with the characters a quoted argument
// reserves escaped and "%" doubled so it is never read as a field code.
QString quotedArgument(const QString &argument);

// A string value with the escapes of the format (backslash, newline, tab, return).
QString escaped(const QString &value);

} // namespace desktopentry
