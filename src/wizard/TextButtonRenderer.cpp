#include "wizard/TextButtonRenderer.h"

#include "common/ColourValue.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The images are drawn for a 96-dpi screen, where 15 twips make a pixel.
constexpr int kDotsPerMetre = 3780;

QFont fontOf(const WizardButton &b, bool underline)
{
    QFont font(b.font.name);
    font.setPointSizeF(b.font.size > 0 ? b.font.size : 8);
    font.setBold(b.font.bold);
    font.setItalic(b.font.italic);
    font.setStrikeOut(b.font.strikethrough);
    font.setUnderline(underline);
    // A key colour only works on pixels that are exactly the background.
    if (b.transparent)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

namespace textbutton {

QString stateName(State state)
{
    switch (state) {
    case State::Normal: return u"normal"_s;
    case State::Hover: return u"survol"_s;
    case State::Click: return u"clique"_s;
    }
    return {};
}

QImage render(const WizardButton &b, State state)
{
    const bool underline = state == State::Normal ? b.font.underline : !b.font.underline;
    const QFont font = fontOf(b, underline);

    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(kDotsPerMetre);
    probe.setDotsPerMeterY(kDotsPerMetre);
    const QFontMetricsF metrics(font, &probe);
    const double w = metrics.horizontalAdvance(b.text);
    const double h = metrics.height();

    QImage image(std::max(1, int(std::lround(w + 0.12 * h))), std::max(1, int(std::lround(1.12 * h))),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(colourvalue::toColor(b.backColour));

    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colourvalue::toColor(b.textColour));
    const double offset = state == State::Click ? 0.06 * h : 0.0;
    painter.drawText(QRectF(offset, offset, w + 1, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, b.text);
    return image;
}

} // namespace textbutton
