#pragma once

#include <QString>

// Where the project reader and writer report a project path they read or wrote.
class RecentFilesSink
{
public:
    virtual ~RecentFilesSink() = default;
    virtual void add(const QString &path) = 0;
};
