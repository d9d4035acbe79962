#pragma once

#include <QString>

// What the installation shows while it works.
class InstallObserver
{
public:
    virtual ~InstallObserver() = default;

    // File `index` of `count` is about to be copied.
    virtual void copying(int index, int count, const QString &from, const QString &to) = 0;
    virtual void status(const QString &first, const QString &second) = 0;
    // The last step is done: the bar is full.
    virtual void finished() = 0;
};
