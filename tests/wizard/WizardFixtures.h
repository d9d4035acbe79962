#pragma once

#include "wizard/WizardProject.h"

#include <QColor>
#include <QSize>
#include <QString>

namespace wizardfixtures {

void writeImage(const QString &path, QSize size, const QColor &colour);

WizardButton textButton(int number, const QString &text);
// Three images of the given size in folder: <stem>_n.bmp, <stem>_s.bmp, <stem>_c.bmp.
WizardButton graphicButton(int number, const QString &folder, const QString &stem, QSize size);

} // namespace wizardfixtures
