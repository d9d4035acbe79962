#include "EngineTestSupport.h"

#include "vbscript/Conversion.h"

#include <QString>

namespace vbstest {

std::u16string u16(const char *utf8Text)
{
    return QString::fromUtf8(utf8Text).toStdU16String();
}

std::string utf8(const std::u16string &text)
{
    return QString::fromStdU16String(text).toUtf8().toStdString();
}

int RecordingHost::msgBox(const std::u16string &prompt, int, const std::u16string &)
{
    messages.push_back(prompt);
    return 6;
}

std::u16string RecordingHost::inputBox(const std::u16string &prompt, const std::u16string &, const std::u16string &)
{
    messages.push_back(prompt);
    if (answers.empty())
        return {};
    std::u16string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

std::shared_ptr<vbs::HostObject> RecordingHost::createObject(const std::u16string &progId)
{
    if (vbs::foldName(progId) != u"test.counter")
        return nullptr;
    auto object = std::make_shared<vbs::DispatchObject>(u"Counter");
    auto value = std::make_shared<int>(0);
    object->addProperty(
        u"Value", [value](std::span<vbs::Variant>) { return vbs::Variant::longValue(*value); },
        [value](std::span<vbs::Variant>, const vbs::Variant &v) { *value = vbs::conv::toLong(v); });
    object->addMethod(u"Increment", [value](std::span<vbs::Variant>) {
        ++*value;
        return vbs::Variant();
    });
    object->setDefaultMember(u"Value");
    return object;
}

TestEngine::TestEngine()
{
    engine.setHost(&host);
    engine.addFunction(u"ok", [this](std::span<vbs::Variant> args) {
        ++checks;
        bool passed = false;
        try {
            passed = args.size() >= 1 && !args[0].isNull() && vbs::conv::toBool(args[0]);
        } catch (const vbs::ScriptError &) {
        }
        if (!passed)
            failures.push_back(args.size() >= 2 ? utf8(engine.toText(args[1])) : std::string("(no message)"));
        return vbs::Variant();
    });
}

int errorOf(vbs::ScriptEngine &engine, const char *source, int *line)
{
    try {
        engine.addCode(u16(source));
    } catch (const vbs::ScriptError &error) {
        if (line)
            *line = error.line();
        return error.number();
    }
    return 0;
}

} // namespace vbstest
