#pragma once

#include <QString>

// "Son WAV seulement | *.wav" (pairs separated by "|") as a Qt dialog filter:
// "Son WAV seulement (*.wav)", one pair per line.
QString toQtFileFilter(const QString &filter);
