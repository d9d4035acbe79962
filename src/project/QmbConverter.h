#pragma once

#include <QString>

// Projects of the older .qmb kind are converted, never parsed.
class QmbConverter
{
public:
    virtual ~QmbConverter() = default;
    // The converted project's path, or empty when the conversion stopped (the user
    // has been told why).
    virtual QString convert(const QString &qmbPath) = 0;
};
