#include "vbscript/Builtins.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/ProcedureRef.h"

namespace vbs {

namespace {

using namespace builtin;

std::u16string source(Interpreter &interp, const Variant &value)
{
    if (value.isNull())
        throw ScriptError(errors::TypeMismatch);
    return textArg(interp, value);
}

Variant fnEval(Interpreter &interp, std::span<Variant> a) { return interp.evaluate(source(interp, a[0])); }

Variant fnExecute(Interpreter &interp, std::span<Variant> a)
{
    interp.execute(source(interp, a[0]), false);
    return {};
}

Variant fnExecuteGlobal(Interpreter &interp, std::span<Variant> a)
{
    interp.execute(source(interp, a[0]), true);
    return {};
}

Variant fnGetRef(Interpreter &interp, std::span<Variant> a)
{
    const Procedure *proc = interp.findProcedure(source(interp, a[0]));
    if (!proc)
        throw ScriptError(errors::InvalidCall);
    return Variant::object(std::make_shared<ProcedureRef>(interp, *proc));
}

constexpr BuiltinInfo kScript[] = {
    {u"Eval", 1, 1, fnEval},
    {u"Execute", 1, 1, fnExecute},
    {u"ExecuteGlobal", 1, 1, fnExecuteGlobal},
    {u"GetRef", 1, 1, fnGetRef},
};

} // namespace

std::span<const BuiltinInfo> scriptBuiltins()
{
    return kScript;
}

} // namespace vbs
