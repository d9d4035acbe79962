#pragma once

#include "common/Twips.h"
#include "document/DesignerDocument.h"

#include <QSize>

#include <functional>

class Prompter;

// What every page of the panel works with: the pages read the project and edit it
// through the document.
struct PanelContext
{
    DesignerDocument &document;
    MenuProject &project;
    Prompter &prompter;
    TwipsPerPixel tpp;
    // The worksheet's client size in pixels.
    std::function<QSize()> clientSize;
};
