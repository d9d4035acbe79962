#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace vbs {
class HostObject;
}

// One pack file run in a fresh engine that knows only the objects given: no program,
// file or shell access, and a step budget that stops endless loops and runaway recursion.
class PackScript
{
public:
    using Objects = std::vector<std::pair<QString, std::shared_ptr<vbs::HostObject>>>;

    static constexpr unsigned kStepBudget = 2'000'000;

    // Reads the file as Windows-1252 (or with its byte order mark) and runs it. False when
    // the file is missing or the script fails; what ran before a failure stays done.
    static bool runFile(const QString &path, const Objects &objects);
    static bool run(const QString &source, const Objects &objects);
};
