#pragma once

#include "vbscript/HostObject.h"

#include <memory>

namespace vbs {

class Interpreter;
struct Procedure;

// What GetRef returns: an object whose default member calls a global procedure, so that
// a host can keep it as an event handler.
class ProcedureRef : public HostObject
{
public:
    ProcedureRef(Interpreter &interp, const Procedure &proc);

    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

private:
    Interpreter &m_interp;
    const Procedure &m_proc;
    std::weak_ptr<bool> m_alive;
};

} // namespace vbs
