#include "build/TransparencyRenderer.h"

#include "common/ColourValue.h"
#include "common/PathText.h"
#include "project/MenuProject.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

#include <cmath>

TransparencyRenderer::TransparencyRenderer(const MenuProject &project, QString projectFolder, TwipsPerPixel twips)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_twips(twips)
{
}

QSize TransparencyRenderer::clientSize() const
{
    if (m_clientSize.isValid())
        return m_clientSize;
    const ProjectSettings &s = m_project.settings();
    if (s.fullScreen != 0 && qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
        QGuiApplication::primaryScreen())
        return QGuiApplication::primaryScreen()->size();
    return QSize(qMax(1, int(std::lround(m_twips.toPixelsX(s.width)))),
                 qMax(1, int(std::lround(m_twips.toPixelsY(s.height)))));
}

QImage TransparencyRenderer::background() const
{
    QImage surface(clientSize(), QImage::Format_RGB32);
    surface.fill(colourvalue::toColor(m_project.settings().backgroundColour));
    const QString &file = m_project.settings().backgroundImage;
    if (!file.isEmpty()) {
        QImageReader reader(pathtext::resolve(m_projectFolder, file));
        reader.setDecideFormatFromContent(true);
        const QImage picture = reader.read();
        if (!picture.isNull()) {
            QPainter painter(&surface);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(surface.rect(), picture);
        }
    }
    return surface;
}

QImage TransparencyRenderer::compose(const QImage &background, QPoint position, const QImage &image, int key)
{
    QImage surface(image.size(), QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        QPainter painter(&surface);
        painter.drawImage(QPoint(0, 0), background, QRect(position, image.size()));
    }
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = colourvalue::toColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(surface.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if ((in[x] & 0xFFFFFF) != keyRgb && qAlpha(in[x]) != 0)
                out[x] = in[x] | 0xFF000000;
        }
    }
    return surface;
}

QImage TransparencyRenderer::buildTransparentImages(int slot)
{
    return buildTransparentImages(slot, background());
}

QImage TransparencyRenderer::buildTransparentImages(int slot, const QImage &background)
{
    const MenuButton &b = m_project.button(slot);
    const QPoint position(int(std::lround(m_twips.toPixelsX(b.left))), int(std::lround(m_twips.toPixelsY(b.top))));
    QImage normal;
    for (const QString *file : {&b.clickImage, &b.hoverImage, &b.normalImage}) {
        if (file->isEmpty())
            continue;
        const QString path = pathtext::resolve(m_projectFolder, *file);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        const QImage composed = compose(background, position, image, b.transparentColour);
        composed.save(path + kSuffix, "BMP");
        if (file == &b.normalImage)
            normal = composed;
    }
    return normal;
}

void TransparencyRenderer::prepareForBuild()
{
    const QImage surface = background();
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (!b.isDeleted() && b.transparent && !b.normalImage.isEmpty())
            buildTransparentImages(slot, surface);
    }
}
