#pragma once

#include "common/PathText.h"
#include "common/Twips.h"
#include "project/MenuProject.h"

#include <QDir>
#include <QSize>

#include <functional>

class Prompter;

// What every page of the panel works with.
struct PanelContext
{
    MenuProject &project;
    Prompter &prompter;
    TwipsPerPixel tpp;
    // The worksheet's client size in pixels.
    std::function<QSize()> clientSize;

    // Where the project's bare file names are found.
    QString projectFolder() const
    {
        return project.path().isEmpty() ? QDir::currentPath() + u'/' : pathtext::folderOf(project.path());
    }
};
