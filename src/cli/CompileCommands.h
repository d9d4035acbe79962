#pragma once

class CommandLine;

// zepc compile PROJECT.zep FOLDER [--sub NAME] [--light] [--name N] [--author A] [--force] [--linux] [--quiet]
int runCompileCommand(const CommandLine &line);
// zepc menudata PROJECT.zep
int runMenuDataCommand(const CommandLine &line);
