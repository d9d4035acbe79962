#pragma once

class CommandLine;

// zepc check PROJECT.zep [--strict]
int runCheckCommand(const CommandLine &line);
// zepc save IN.zep OUT.zep
int runSaveCommand(const CommandLine &line);
