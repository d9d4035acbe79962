#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>

// The main window's bar of menu labels, in twips.
class MenuBarLayout
{
public:
    static constexpr double kWindowHeight = 615;            // the bar alone
    static constexpr double kWindowHeightWithEditor = 5085; // with the appearance editor open

    static QStringList captions(); // "Fichier" … "?"

    // Side by side from the left, each as wide as its text plus 240 twips.
    static QList<QRectF> labels(const QList<double> &textWidths);
};
