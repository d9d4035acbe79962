#pragma once

#include <QString>

// zepc speaks UTF-8 on the console.
namespace console {

void out(const QString &line);
void error(const QString &line);

} // namespace console
