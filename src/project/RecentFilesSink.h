#pragma once

#include <QString>

// Told of every project path read to its end or written.
class RecentFilesSink
{
public:
    virtual ~RecentFilesSink() = default;
    virtual void add(const QString &path) = 0;
};
