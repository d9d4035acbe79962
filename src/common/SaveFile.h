#pragma once

#include "common/Result.h"
#include "common/ZepError.h"

#include <QByteArray>
#include <QString>

// Writes bytes through a temporary file renamed over the target, so a failed write
// never destroys the file that was there.
ZepError saveFileAtomically(const QString &path, const QByteArray &bytes);

// Reads a whole file; a missing or unreadable file is the error.
Result<QByteArray> readWholeFile(const QString &path);
