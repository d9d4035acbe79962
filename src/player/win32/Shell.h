#pragma once

#include <string>

// What the menu asks of the system: documents, folders and addresses opened as Explorer
// would, programs started, and the CD tray. Paths may use "/" or "\".
namespace shell {

// False when the system could not open it.
bool open(const std::string &target);
// A program with its argument line; a document is opened with its application; a name
// without a folder is found by the system. False when it could not be started.
bool run(const std::string &path, const std::string &arguments);
// drive: a letter, or a path on the drive (the disc's root folder for the menu's own drive).
void moveTray(bool open, const std::string &drive);

} // namespace shell
