#pragma once

#include "prompt/PromptTypes.h"

#include <QString>

#include <chrono>
#include <memory>
#include <utility>
#include <vector>

namespace vbs {
class HostObject;
}

// What one pack file may use.
struct PackLimits
{
    unsigned steps = 2'000'000;
    std::chrono::milliseconds time{3000};
    long long memoryGrowth = 256ll << 20; // bytes the program may grow by while the file runs
    std::size_t stringLength = 1u << 20;  // characters of one text
};

// One pack file run in a fresh engine that knows only the objects given: no program,
// file or shell access. A step budget stops endless loops and runaway recursion; a
// watch on the clock and on the memory the program holds stops a file whose steps are
// few but costly, so a pack can neither hang the start nor fill the memory.
class PackScript
{
public:
    using Objects = std::vector<std::pair<QString, std::shared_ptr<vbs::HostObject>>>;

    using Limits = PackLimits;

    enum class Result { Ran, Failed, OverTime, OverMemory };

    // Reads the file as Windows-1252 (or with its byte order mark) and runs it. Failed when
    // the file is missing or the script fails; what ran before a failure stays done.
    static Result runFile(const QString &path, const Objects &objects, const Limits &limits = {});
    static Result run(const QString &source, const Objects &objects, const Limits &limits = {});

    // The notice for a file stopped by the clock or the memory watch.
    static MessageRequest stopped(const QString &path, Result result, const Limits &limits = {});
};
