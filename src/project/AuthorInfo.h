#pragma once

#include <QString>

struct AuthorInfo
{
    QString name;
    QString email;
    QString website;
    QString notes; // multi-line

    bool operator==(const AuthorInfo &) const = default;
};
