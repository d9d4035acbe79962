#pragma once

#include "common/Twips.h"

#include <QImage>
#include <QSize>
#include <QString>

class MenuProject;

// Composes the transparency companions of transparent buttons without a window: the
// model's own rendering of the menu background, with each button image drawn over it
// with its key colour left out, saved beside the image as image + "_transp.bmp".
class TransparencyRenderer
{
public:
    static inline const QString kSuffix = QStringLiteral("_transp.bmp");

    TransparencyRenderer(const MenuProject &project, QString projectFolder, TwipsPerPixel twips = {});

    // The window's client size in pixels; by default the stored outer size, or the
    // screen for a full-screen menu.
    void setClientSize(QSize size) { m_clientSize = size; }
    QSize clientSize() const;

    // The background colour with the background image stretched over the client area.
    QImage background() const;
    // The part of background under a button at position, with image drawn over it
    // without its pixels of colour key.
    static QImage compose(const QImage &background, QPoint position, const QImage &image, int key);

    // The three companions of one button, in the order click, hover, normal; an image
    // that cannot be loaded is skipped. Returns the composed normal image, null when there is none.
    QImage buildTransparentImages(int slot);
    QImage buildTransparentImages(int slot, const QImage &background);
    // Every transparent, living button with a normal image.
    void prepareForBuild();

private:
    const MenuProject &m_project;
    QString m_projectFolder;
    TwipsPerPixel m_twips;
    QSize m_clientSize;
};
