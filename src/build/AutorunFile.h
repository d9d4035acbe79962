#pragma once

#include <QByteArray>

// The autorun.inf written at the root of a compiled CD folder.
class AutorunFile
{
public:
    static QByteArray bytes();
};
