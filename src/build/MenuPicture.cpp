#include "build/MenuPicture.h"

#include "build/TransparencyRenderer.h"
#include "common/ColourValue.h"
#include "common/PathText.h"
#include "project/MenuProject.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// What an empty button shows on the worksheet: a framed square.
constexpr int kEmptyButtonPixels = 32;
// The inside of a text box as the worksheet lays it out: sunken frame, then document margin.
constexpr int kTextMargin = 2 + 4;
constexpr int kScrollBarPixels = 16;

// A text box's sunken two-line frame, as the worksheet's style draws it.
void drawSunkenFrame(QPainter &painter, const QRect &box)
{
    const QColor dark(0xA0, 0xA0, 0xA0);
    const QColor light(Qt::white);
    const auto frame = [&painter](const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    frame(box, dark, light);
    frame(box.adjusted(1, 1, -1, -1), light, dark);
}

QImage readImage(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

MenuPicture::MenuPicture(const MenuProject &project, QString projectFolder, TwipsPerPixel twips)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_twips(twips)
{
}

QImage MenuPicture::render() const
{
    TransparencyRenderer renderer(m_project, m_projectFolder, m_twips);
    if (m_clientSize.isValid())
        renderer.setClientSize(m_clientSize);
    QImage surface = renderer.background();
    // Fonts are sized in points: the picture has the screen's density.
    surface.setDotsPerMeterX(int(std::lround(1440.0 / m_twips.x / 0.0254)));
    surface.setDotsPerMeterY(int(std::lround(1440.0 / m_twips.y / 0.0254)));
    const QImage plain = surface;

    QPainter painter(&surface);
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (b.isDeleted())
            continue;
        const QPoint at(int(std::lround(m_twips.toPixelsX(b.left))), int(std::lround(m_twips.toPixelsY(b.top))));
        const QImage image =
            b.normalImage.isEmpty() ? QImage() : readImage(pathtext::resolve(m_projectFolder, b.normalImage));
        if (image.isNull()) {
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(at, QSize(kEmptyButtonPixels, kEmptyButtonPixels)).adjusted(0, 0, -1, -1));
        } else if (b.transparent) {
            painter.drawImage(at, TransparencyRenderer::compose(plain, at, image, b.transparentColour));
        } else {
            painter.drawImage(at, image);
        }
    }
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot) {
        if (m_project.text(slot).isStored())
            drawText(painter, m_project.text(slot));
    }
    painter.end();
    return surface;
}

void MenuPicture::drawText(QPainter &painter, const MenuText &text) const
{
    const QRect box(int(std::lround(m_twips.toPixelsX(text.left))), int(std::lround(m_twips.toPixelsY(text.top))),
                    int(std::lround(m_twips.toPixelsX(text.width))), int(std::lround(m_twips.toPixelsY(text.height))));
    if (box.isEmpty())
        return;
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, colourvalue::toColor(text.backColour));
    QRect inside = box.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    if (text.hasScrollBar()) {
        const QRect bar(box.right() - 1 - kScrollBarPixels, box.top() + 2, kScrollBarPixels, box.height() - 4);
        painter.fillRect(bar, QColor(0xF0, 0xF0, 0xF0));
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawLine(bar.topLeft(), bar.bottomLeft());
        inside.setRight(bar.left() - 4);
    }
    painter.setFont(text.font());
    painter.setPen(colourvalue::toColor(text.textColour));
    QString content = text.text;
    content.replace(u"\r\n"_s, u"\n"_s);
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, content);
    drawSunkenFrame(painter, box);
    painter.restore();
}
