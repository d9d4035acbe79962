#pragma once

#include <QString>

// The program's version and addresses as files and captions show them.
namespace version {

inline QString majorMinor()
{
    return QString::number(ZEP_VERSION_MAJOR) + u'.' + QString::number(ZEP_VERSION_MINOR);
}

inline QString full()
{
    return majorMinor() + u'.' + QString::number(ZEP_VERSION_PATCH);
}

inline QString website()
{
    return QStringLiteral("https://zep.example.org/");
}

inline QString contact()
{
    return QStringLiteral("contact@zep.example.org");
}

} // namespace version
