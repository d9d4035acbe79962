#pragma once

class CommandLine;

// zepc exe PROJECT.zep FOLDER NAME [--light] [--name N] [--author A] [--force] [--quiet]
int runExeCommand(const CommandLine &line);
// zepc iso PROJECT.zep OUT.iso [--light] [--force] [--quiet]
int runIsoCommand(const CommandLine &line);
