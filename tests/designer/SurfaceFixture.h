#pragma once

#include "designer/ObjectsPalette.h"
#include "designer/ResourcesWindow.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "support/ScriptedPrompter.h"

#include <QEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A worksheet, a palette and the resources window standing alone on one project,
// every box answered by a scripted prompter.
class SurfaceFixture : public ::testing::Test
{
protected:
    static inline const QString kImageFilter =
        QStringLiteral("Images *.jpg, *.jpeg, *.gif, *.bmp, *.ico | *.jpg;*.jpeg;*.gif;*.bmp;*.ico");

    SurfaceFixture();

    // A BMP file of that size and colour in the temporary folder.
    QString image(const QString &name, QSize size, Qt::GlobalColor colour);
    // Adds a button through the palette with the three images chosen in turn.
    int addButton(ButtonKind kind, const QString &normal, const QString &hover, const QString &click);
    void click(const QString &caption);

    // Mouse events sent straight to a widget, as the window system would deliver them.
    static void mouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void move(QWidget *widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
    {
        mouse(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons);
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    DesignerDocument m_document{m_prompter, m_dir.path()};
    MenuProject &m_project = m_document.project();
    Worksheet m_worksheet{m_document};
    ResourcesWindow m_resources;
    ObjectsPalette m_palette;
};
