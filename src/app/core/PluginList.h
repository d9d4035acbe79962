#pragma once

#include "common/ZepError.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct PluginEntry
{
    QString caption;
    QString command;

    bool operator==(const PluginEntry &) const = default;
};

// "plugins.ini": free comment lines up to "[DEBUT]", then caption and command lines
// in pairs.
class PluginList
{
public:
    struct Result
    {
        QList<PluginEntry> entries; // those read before any failure
        bool startFound = false;    // "[DEBUT]" seen: the placeholder entry hides
        ZepError error;
    };

    // A missing file is no plug-in and no failure.
    static Result read(const QString &path);
    static Result parse(const QByteArray &bytes);
};
