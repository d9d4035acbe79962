#pragma once

#include "common/Twips.h"
#include "prompt/PromptTypes.h"

#include <QRectF>
#include <QSizeF>

#include <optional>

// The start-up decisions that depend only on sizes: the screen check, the worksheet's
// first size, and where the windows go around it. All sizes in twips unless named pixels.
class StartupLayout
{
public:
    static constexpr double kMinimumScreenPixels = 800;

    // The message that ends the start-up on a screen narrower than 800 pixels.
    static std::optional<MessageRequest> screenCheck(double screenWidthTwips, const TwipsPerPixel &tpp);

    // 640 × 480 pixels on a screen exactly 800 pixels wide, 800 × 600 otherwise.
    static QSizeF initialWorksheetSize(double screenWidthTwips, const TwipsPerPixel &tpp);

    struct Windows
    {
        QRectF worksheet;
        QRectF palette;
        QRectF mainWindow;
        QRectF parametersPanel;
        QRectF mousePosition;
    };

    // Each window keeps its size except the worksheet (given) and the height of the
    // parameters panel, which reaches down to 500 twips above the screen's bottom.
    // Sizes are outer ones (frames included): no window covers another's title bar.
    static Windows arrange(const QSizeF &screen, const QSizeF &worksheet, const QSizeF &palette,
                           const QSizeF &mainWindow, const QSizeF &parametersPanel, const QSizeF &mousePosition);
};
