#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

// zepc html PROJECT.zep FOLDER
int runHtmlCommand(const QStringList &arguments);
// zepc image PROJECT.zep OUT.bmp|OUT.png
int runImageCommand(const QStringList &arguments);

// Drawing the menu needs fonts, so the image command runs with a windowless GUI
// application; every other command stays without one.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv);
