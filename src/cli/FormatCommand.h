#pragma once

class CommandLine;

// zepc format FILE: one formatter pass over a Windows-1252 file, printed as UTF-8.
// Returns the exit status.
int runFormatCommand(const CommandLine &line);
