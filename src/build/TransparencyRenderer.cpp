#include "build/TransparencyRenderer.h"

#include "common/ColourValue.h"
#include "common/FormatWords.h"
#include "common/PathText.h"
#include "project/MenuProject.h"

#include <QFileInfo>
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

QString TransparencyRenderer::companionName(const QString &image)
{
    return pathtext::nameOf(image) + menuformat::word(menuformat::kCompanionSuffix);
}

QImage TransparencyRenderer::composed(const MenuButton &b, const QString &image, const QImage &background,
                                      ZepError *error) const
{
    const QString path = pathtext::resolve(m_projectFolder, image);
    if (!QFileInfo(path).isFile()) {
        *error = ZepError::about(ErrorCode::FileNotFound, path);
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        *error = ZepError::about(ErrorCode::InvalidPicture, path);
        return {};
    }
    const QPoint position(int(std::lround(m_twips.toPixelsX(b.left))), int(std::lround(m_twips.toPixelsY(b.top))));
    return compose(background, position, picture, b.transparentColour);
}

QImage TransparencyRenderer::preview(int slot) const
{
    ZepError ignored; // a picture that cannot be read shows nothing
    return composed(m_project.button(slot), m_project.button(slot).normalImage, background(), &ignored);
}

ZepError TransparencyRenderer::writeCompanion(int slot, const QString &image, const QImage &background,
                                              const QString &folder) const
{
    ZepError error;
    const QImage companion = composed(m_project.button(slot), image, background, &error);
    if (error.isError())
        return error;
    const QString target = folder + companionName(image);
    if (!companion.save(target, "BMP"))
        return ZepError::about(ErrorCode::PathFileAccess, target);
    return {};
}
