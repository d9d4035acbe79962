#pragma once

#include "common/Twips.h"

#include <QImage>
#include <QSize>
#include <QString>

class MenuProject;
class QPainter;
struct MenuText;

// The menu window drawn from the model alone, as the worksheet shows it: background,
// each button's normal image (transparent ones with their key colour left out) and
// the text boxes. No screen is read, so no selection marker can appear.
class MenuPicture
{
public:
    MenuPicture(const MenuProject &project, QString projectFolder, TwipsPerPixel twips = {});

    // The window's client size in pixels; by default the one the build uses.
    void setClientSize(QSize size) { m_clientSize = size; }

    QImage render() const;

private:
    void drawText(QPainter &painter, const MenuText &text) const;

    const MenuProject &m_project;
    QString m_projectFolder;
    TwipsPerPixel m_twips;
    QSize m_clientSize;
};
