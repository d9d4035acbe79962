#include "vbscript/ScriptEngine.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Parses and runs arbitrary source with every safety limit on.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::u16string source;
    source.reserve(size);
    for (size_t i = 0; i < size; ++i)
        source += char16_t(data[i] < 0x80 ? data[i] : 0xC0 + (data[i] & 0x3F));

    vbs::ScriptEngine engine;
    vbs::Limits &limits = engine.limits();
    limits.maxSteps = 20000;
    limits.maxStringLength = 1 << 16;
    limits.maxArrayElements = 1 << 14;
    limits.maxCallDepth = 200;
    limits.maxStackBytes = 256 << 10;

    auto object = std::make_shared<vbs::DispatchObject>(u"Fenetre");
    auto value = std::make_shared<vbs::Variant>();
    object->addProperty(
        u"Value", [value](std::span<vbs::Variant>) { return *value; },
        [value](std::span<vbs::Variant>, const vbs::Variant &v) { *value = v; });
    object->addMethod(u"Run", [&engine](std::span<vbs::Variant> args) {
        if (!args.empty() && args[0].isString())
            engine.run(args[0].stringValue());
        return vbs::Variant();
    });
    object->setDefaultMember(u"Value");
    engine.addObject(u"Fenetre", object);
    engine.addFunction(u"ok", [](std::span<vbs::Variant>) { return vbs::Variant(); });
    engine.addFunction(u"source", [&source](std::span<vbs::Variant>) { return vbs::Variant::string(source); });

    try {
        engine.addCode(source);
    } catch (const vbs::ScriptError &) {
    }
    try {
        engine.eval(source);
    } catch (const vbs::ScriptError &) {
    }
    // The same text through Execute, Eval and as a RegExp pattern, from inside a procedure
    // of a class, where names resolve to locals and fields.
    try {
        engine.addCode(u"Class FuzzScope\n"
                       u"  Public Field\n"
                       u"  Sub Run(a)\n"
                       u"    Dim b : b = a\n"
                       u"    On Error Resume Next\n"
                       u"    Execute source()\n"
                       u"    b = Eval(source())\n"
                       u"    ExecuteGlobal source()\n"
                       u"    Set re = New RegExp\n"
                       u"    re.Pattern = source()\n"
                       u"    re.Global = True\n"
                       u"    b = re.Replace(\"abc 123 \" & source(), \"<$1$&>\")\n"
                       u"  End Sub\n"
                       u"End Class\n"
                       u"Set s = New FuzzScope\n"
                       u"s.Run 1");
    } catch (const vbs::ScriptError &) {
    }
    return 0;
}
