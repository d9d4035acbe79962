#include "app/core/StartupLayout.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double kGap = 200;
constexpr double kBottomMargin = 500;
constexpr double kMousePositionGap = 500;

} // namespace

std::optional<MessageRequest> StartupLayout::screenCheck(double screenWidthTwips, const TwipsPerPixel &tpp)
{
    if (tpp.toPixelsX(screenWidthTwips) >= kMinimumScreenPixels)
        return std::nullopt;
    MessageRequest message;
    message.text = u"Votre résolution est insuffisante pour démarrer ZEP, vous devez être en 800x600 minimum !"_s;
    message.title = u"Erreur de chargement"_s;
    message.icon = MessageIcon::Critical;
    return message;
}

QSizeF StartupLayout::initialWorksheetSize(double screenWidthTwips, const TwipsPerPixel &tpp)
{
    const bool smallest = tpp.toPixelsX(screenWidthTwips) == kMinimumScreenPixels;
    return {tpp.toTwipsX(smallest ? 640 : 800), tpp.toTwipsY(smallest ? 480 : 600)};
}

StartupLayout::Windows StartupLayout::arrange(const QSizeF &screen, const QSizeF &worksheet, const QSizeF &palette,
                                              const QSizeF &mainWindow, const QSizeF &parametersPanel,
                                              const QSizeF &mousePosition)
{
    Windows w;
    const double top = screen.height() / 2 - worksheet.height() / 2;
    const double pairLeft = (screen.width() - (palette.width() + kGap + worksheet.width())) / 2;
    w.palette = QRectF(QPointF(pairLeft, top), palette);
    w.worksheet = QRectF(QPointF(w.palette.right() + kGap, top), worksheet);

    w.mainWindow =
        QRectF(QPointF((screen.width() - mainWindow.width()) / 2, top - kGap - mainWindow.height()), mainWindow);

    const double panelTop = w.palette.bottom() + kGap;
    // A palette reaching too low would ask for a negative height.
    const double panelHeight = std::max(0.0, screen.height() - kBottomMargin - panelTop);
    w.parametersPanel = QRectF(w.palette.left(), panelTop, parametersPanel.width(), panelHeight);

    // Beside the main window, raised when taller so that it leaves the worksheet's title bar free.
    const double mouseTop = std::max(0.0, std::min(w.mainWindow.top(), top - kGap - mousePosition.height()));
    w.mousePosition = QRectF(QPointF(w.mainWindow.right() + kMousePositionGap, mouseTop), mousePosition);
    return w;
}
