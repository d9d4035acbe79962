#include "common/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

ZepError fileError(const QFileDevice &file, const QString &path)
{
    switch (file.error()) {
    case QFileDevice::ResizeError:
    case QFileDevice::WriteError:
        return ZepError(ErrorCode::DiskFull);
    case QFileDevice::PermissionsError:
        return ZepError(ErrorCode::PermissionDenied);
    default:
        break;
    }
    if (!QFileInfo(path).absoluteDir().exists())
        return ZepError(ErrorCode::PathNotFound);
    return ZepError(ErrorCode::PathFileAccess);
}

} // namespace

ZepError saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(file, path);
    if (file.write(bytes) != bytes.size()) {
        const ZepError error = fileError(file, path);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return fileError(file, path);
    return {};
}

Result<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return ZepError(ErrorCode::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(file, path);
    return file.readAll();
}
