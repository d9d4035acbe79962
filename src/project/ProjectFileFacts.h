#pragma once

#include <QString>

// What the properties window shows about the project file on disk: its "[Format]"
// lines and its size.
struct ProjectFileFacts
{
    static inline const QString kUnknown = QStringLiteral("<inconnu>");

    QString editor = kUnknown;
    QString version = kUnknown;
    QString fileVersion = kUnknown;
    QString file = kUnknown; // path + " (" + size + " octets )"

    // A never-saved project (empty path) or a vanished file gives kUnknown everywhere.
    static ProjectFileFacts read(const QString &path);
};
