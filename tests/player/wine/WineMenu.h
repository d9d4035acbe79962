#pragma once

#include "project/MenuProject.h"

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace winemenu {

constexpr QRgb kBackground = qRgb(0, 128, 0);
constexpr QRgb kNormal = qRgb(0, 0, 255);
constexpr QRgb kHover = qRgb(255, 255, 0);
constexpr QRgb kClick = qRgb(255, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kScreen = qRgb(0, 0, 0); // Xvfb's root window

void writeImage(const QString &path, QSize size, QRgb colour);
QRgb rgb(QRgb pixel);

} // namespace winemenu

// A small menu written as a project file and compiled with zepc into cd/ (or another
// folder): a frameless 400 x 300-pixel window at 96 dpi (centred on the 800 x 600 screen
// at 200, 150), green, with buttons of 40 x 20 pixels at 100, 100 + 40 * n.
class WineMenu
{
public:
    explicit WineMenu(const QString &name);

    MenuProject &project() { return m_project; }
    // The project's folder, where its pictures are.
    QString folder() const { return m_dir.path(); }

    void addButton(const QString &code, ButtonKind kind = ButtonKind::Code);
    // The centre of a button on the screen.
    static QPoint button(int slot) { return {200 + 120, 150 + 110 + 40 * (slot - 1)}; }

    // The disc's autorun.exe; the disc folder is cd/ in the project's folder unless named.
    QString compile(const QString &discFolder = QString());
    QString zepFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_name;
    QString m_disc;
    MenuProject m_project;
};
