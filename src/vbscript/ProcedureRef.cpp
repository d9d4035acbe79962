#include "vbscript/ProcedureRef.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"

namespace vbs {

ProcedureRef::ProcedureRef(Interpreter &interp, const Procedure &proc)
    : m_interp(interp), m_proc(proc), m_alive(interp.aliveToken())
{
}

Variant ProcedureRef::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    if (!name.empty() || kind == Invoke::Let || kind == Invoke::Set || m_alive.expired())
        throw ScriptError(errors::NoSuchMember);
    return m_interp.callReference(m_proc, args);
}

} // namespace vbs
