#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

class CommandLine;

// zepc html PROJECT.zep FOLDER
int runHtmlCommand(const CommandLine &line);
// zepc image PROJECT.zep OUT.bmp|OUT.png
int runImageCommand(const CommandLine &line);

// Drawing the menu needs fonts, so the image command runs with a windowless GUI
// application; every other command stays without one.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv);
