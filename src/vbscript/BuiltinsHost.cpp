#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"
#include "vbscript/Interpreter.h"

namespace vbs {

namespace {

using namespace builtin;

std::u16string optionalText(Interpreter &interp, std::span<Variant> a, size_t index)
{
    return present(a, index) && !a[index].isNull() ? textArg(interp, a[index]) : std::u16string();
}

Variant fnMsgBox(Interpreter &interp, std::span<Variant> a)
{
    const std::u16string prompt = a[0].isNull() ? std::u16string(u"Null") : textArg(interp, a[0]);
    const int buttons = longArg(a, 1, 0);
    return Variant::integer(int16_t(interp.host().msgBox(prompt, buttons, optionalText(interp, a, 2))));
}

Variant fnInputBox(Interpreter &interp, std::span<Variant> a)
{
    const std::u16string prompt = a[0].isNull() ? std::u16string() : textArg(interp, a[0]);
    return Variant::string(interp.host().inputBox(prompt, optionalText(interp, a, 1), optionalText(interp, a, 2)));
}

Variant fnCreateObject(Interpreter &interp, std::span<Variant> a)
{
    std::shared_ptr<HostObject> object = interp.host().createObject(textArg(interp, a[0]));
    if (!object)
        throw ScriptError(errors::CannotCreateObject);
    return Variant::object(std::move(object));
}

Variant fnLoadPicture(Interpreter &interp, std::span<Variant> a)
{
    return interp.host().loadPicture(optionalText(interp, a, 0));
}

Variant fnScriptEngine(Interpreter &, std::span<Variant>) { return Variant::string(u"VBScript"); }
Variant fnMajor(Interpreter &, std::span<Variant>) { return Variant::longValue(5); }
Variant fnMinor(Interpreter &, std::span<Variant>) { return Variant::longValue(8); }
Variant fnBuild(Interpreter &, std::span<Variant>) { return Variant::longValue(1); }

constexpr BuiltinInfo kHost[] = {
    {u"MsgBox", 1, 5, fnMsgBox},
    {u"InputBox", 1, 7, fnInputBox},
    {u"CreateObject", 1, 2, fnCreateObject},
    {u"LoadPicture", 0, 1, fnLoadPicture},
    {u"ScriptEngine", 0, 0, fnScriptEngine},
    {u"ScriptEngineMajorVersion", 0, 0, fnMajor},
    {u"ScriptEngineMinorVersion", 0, 0, fnMinor},
    {u"ScriptEngineBuildVersion", 0, 0, fnBuild},
};

} // namespace

std::span<const BuiltinInfo> hostBuiltins()
{
    return kHost;
}

} // namespace vbs
