#pragma once

class CommandLine;

// zepc vbs FILE.vbs: runs a script with a console host. Returns the exit status.
int runVbsCommand(const CommandLine &line);
