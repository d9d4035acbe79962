#pragma once

#include "common/ZepError.h"

#include <QString>

#include <functional>

// Writes a compiled folder as an ISO 9660 image with Joliet names and Rock Ridge
// permissions, so the disc's programs stay executable. The image appears whole or
// not at all.
class IsoImageWriter
{
public:
    // Bytes of file content written so far, of the total.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // The volume name from a project name: upper case, the characters ISO 9660 allows,
    // at most 32; "ZEP" when nothing is left.
    static QString volumeId(const QString &projectName);

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    ZepError write(const QString &folder, const QString &imagePath, const QString &volumeId);

private:
    Progress m_progress;
};
