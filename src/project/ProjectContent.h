#pragma once

#include "project/AuthorInfo.h"
#include "project/MenuButton.h"
#include "project/MenuText.h"
#include "project/ProjectSettings.h"
#include "project/ShapePoint.h"

#include <QList>

// Every field of one menu as a plain value: what the reader fills and the model takes
// in one step. Its operations send no notification.
struct ProjectContent
{
    static constexpr int kButtonSlots = 101; // slot 0 is the hidden template
    static constexpr int kMaxButtonSlotsInUse = 100;
    static constexpr int kMaxTextSlotsInUse = 32767;

    QString formatVersion;
    AuthorInfo author;
    ProjectSettings settings;
    QList<ShapePoint> shape{ShapePoint{}}; // 1-based: entry 0 holds no vertex
    QList<MenuButton> buttons = QList<MenuButton>(kButtonSlots);
    int buttonSlotsInUse = 1;
    QList<MenuText> texts{MenuText{}};

    // A new project keeps the window size of the one before.
    static ProjectContent fresh(const ProjectContent &before, const QString &iconMarker);

    bool canAddButton() const { return buttonSlotsInUse < kMaxButtonSlotsInUse; }
    // The next slot, a copy of the template at 200, 200; -1 when none is left.
    int appendButtonSlot();
    // The next slot, a copy of the template; -1 when none is left.
    int appendTextSlot();
    // The outline without its entry 0.
    QList<ShapePoint> vertices() const { return shape.mid(1); }
};
