#pragma once

#include "common/Twips.h"
#include "common/ZepError.h"

#include <QImage>
#include <QSize>
#include <QString>

class MenuButton;
class MenuProject;

// Composes what a transparent button shows in the player without a window: the
// model's own rendering of the menu background, with the button's image drawn over it
// with its key colour left out. The build writes these companions into its own
// folder, never beside the author's images.
class TransparencyRenderer
{
public:
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

    // A button's normal image as the player will show it; null when it cannot be read.
    QImage preview(int slot) const;
    // The companion of one of a button's images, written into folder under
    // companionName(image); an image that cannot be read or a file that cannot be
    // written is the error.
    ZepError writeCompanion(int slot, const QString &image, const QImage &background, const QString &folder) const;
    static QString companionName(const QString &image);

private:
    QImage composed(const MenuButton &b, const QString &image, const QImage &background, ZepError *error) const;

    const MenuProject &m_project;
    QString m_projectFolder;
    TwipsPerPixel m_twips;
    QSize m_clientSize;
};
