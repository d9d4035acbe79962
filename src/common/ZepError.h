#pragma once

#include <QString>

// The numbered errors the user is shown: classic VB run-time numbers, 999 for our own.
enum class ErrorCode : int {
    None = 0,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DiskFull = 61,
    InputPastEnd = 62,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPicture = 481,
    Internal = 999,
};

// [[nodiscard]]: a caller either looks at an error or says why it may pass it by.
struct [[nodiscard]] ZepError
{
    int number = 0;
    QString description;

    ZepError() = default;
    explicit ZepError(ErrorCode code);
    ZepError(ErrorCode code, QString detail);

    // The code's own description followed by what it is about (a path, a name).
    static ZepError about(ErrorCode code, const QString &subject);

    bool isError() const { return number != 0; }
};

// The short French description of an error number.
QString errorDescription(int number);
