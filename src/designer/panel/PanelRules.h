#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

// The panel's rules with a defined result, apart from any window.
namespace panelrules {

inline const QString kDefaultInterval = QStringLiteral("1000");

// The timer interval kept when its field loses the focus: the whole part of its
// absolute value, from 1 to 60000; nothing when refused.
std::optional<QString> checkedInterval(const QString &text);

// The farthest a window's size or position reaches, in twips: 32767 pixels at 15 twips a pixel.
inline constexpr double kLargestTwips = 32767.0 * 15.0;

// Both size fields as numbers; nothing unless both are sizes a window can have
// (above 0, at most kLargestTwips).
std::optional<QSizeF> parseSize(const QString &width, const QString &height);

// A text's flags: the scroll bar's digit, then the lock's.
QString textFlags(bool scrollBar, bool locked);

// One pass of the fit to the background image: the outer size scaled by image over
// client, so that repeated passes absorb the border and title bar.
QSizeF fitPass(QSizeF outer, QSizeF image, QSizeF client);
inline constexpr int kFitPasses = 3;

inline constexpr double kZoomStep = 0.95;
QSizeF zoomed(QSizeF outer, bool grow);

// Where a multimedia file will be found on the CD, as the button records it.
enum class Placement { Root, Folders, AsIs };
// folders is the author's answer for Placement::Folders (ignored otherwise).
QString placedName(Placement placement, const QString &file, const QString &folders);

} // namespace panelrules

// The panel's scrolling, in twips: one step moves the pages by 500.
namespace panelscroll {

inline constexpr double kStep = 500;
inline constexpr double kFrameOffset = 100;
inline constexpr double kBottomMargin = 50;

int maximum(double frameHeight);
double frameTop(double scrollBarTop, int value);

} // namespace panelscroll
