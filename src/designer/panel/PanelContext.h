#pragma once

#include "common/PathText.h"
#include "common/Twips.h"
#include "project/MenuProject.h"

#include <QDir>
#include <QSize>

#include <functional>

class Prompter;

// Where the project's bare file names are found.
inline QString projectFolderOf(const MenuProject &project)
{
    return project.path().isEmpty() ? QDir::currentPath() + u'/' : pathtext::folderOf(project.path());
}

// What every page of the panel works with.
struct PanelContext
{
    MenuProject &project;
    Prompter &prompter;
    TwipsPerPixel tpp;
    // The worksheet's client size in pixels.
    std::function<QSize()> clientSize;

    QString projectFolder() const { return projectFolderOf(project); }
};
