#pragma once

#include "vbscript/ScriptEngine.h"

#include <string>
#include <vector>

namespace vbstest {

std::u16string u16(const char *utf8);
std::string utf8(const std::u16string &text);

// A host that records message and input boxes, and the ok() checks of the conformance
// scripts.
class RecordingHost : public vbs::ScriptHost
{
public:
    int msgBox(const std::u16string &prompt, int buttons, const std::u16string &title) override;
    std::u16string inputBox(const std::u16string &prompt, const std::u16string &title,
                            const std::u16string &defaultText) override;
    std::shared_ptr<vbs::HostObject> createObject(const std::u16string &progId) override;

    std::vector<std::u16string> messages;
    std::vector<std::u16string> answers;
};

// An engine with ok(condition, message) and a RecordingHost.
struct TestEngine
{
    TestEngine();
    vbs::ScriptEngine engine;
    RecordingHost host;
    int checks = 0;
    std::vector<std::string> failures;
};

// Runs source and returns the error number it raised, 0 when none.
int errorOf(vbs::ScriptEngine &engine, const char *source, int *line = nullptr);

} // namespace vbstest
