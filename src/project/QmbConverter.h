#pragma once

#include <QString>

// Projects of the older .qmb kind are converted, never parsed.
class QmbConverter
{
public:
    virtual ~QmbConverter() = default;
    virtual void convert(const QString &qmbPath) = 0;
};
