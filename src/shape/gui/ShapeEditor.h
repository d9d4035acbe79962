#pragma once

#include "shape/gui/ShapeSurface.h"
#include "shape/gui/ShapeToolbar.h"

#include <QObject>
#include <QPointer>

#include <functional>

class Prompter;

// Opens the drawing surface and the shape toolbar in place of the designer windows,
// runs the toolbar's commands and gives the designer back when any of them ends.
class ShapeEditor : public QObject
{
    Q_OBJECT

public:
    struct Host
    {
        QWidget *palette = nullptr;       // the toolbar takes its place
        QWidget *worksheet = nullptr;     // minimized; the surface covers its inner area
        QList<QWidget *> designerWindows; // hidden while the editor is open
        std::function<ShapeSurface::Look()> look;
        // The project's new shape; empty for a rectangular window.
        std::function<void(const QList<ShapePoint> &)> setShape;
        // With a transparency image the menu's outside is white, else the picture's corner.
        std::function<bool()> transparencyImageSet;
        std::function<void(QWidget *)> applyTheme;
    };

    ShapeEditor(Host host, Prompter &prompter, QObject *parent = nullptr);
    ~ShapeEditor() override;

    void open();
    void close();
    bool isOpen() const { return m_surface != nullptr; }

    ShapeSurface *surface() const { return m_surface; }
    ShapeToolbar *toolbar() const { return m_toolbar; }

private:
    QString restartTitle() const;
    void restart();
    void cancel();
    void validate();
    void clearShape();
    void load();
    void save();
    void traceBackground();
    bool refusedWhileDrawing(const QString &text);
    void followState();

    Host m_host;
    Prompter &m_prompter;
    QPointer<ShapeSurface> m_surface;
    QPointer<ShapeToolbar> m_toolbar;
    QList<QPointer<QWidget>> m_hidden;
    QList<ShapePoint> m_projectShape;
    TwipsPerPixel m_tpp;
};
