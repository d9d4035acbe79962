#include "vbscript/ClassInstance.h"

#include "vbscript/Ast.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"

namespace vbs {

ClassInstance::ClassInstance(Interpreter &interp, const ClassDef &cls, std::weak_ptr<bool> alive)
    : m_interp(interp), m_class(cls), m_alive(std::move(alive)), m_typeName(cls.name), m_fields(cls.fields.size())
{
    m_interp.instances().insert(this);
}

ClassInstance::~ClassInstance()
{
    if (!m_alive.expired())
        m_interp.instances().erase(this);
    releaseValues(m_fields);
}

std::shared_ptr<ClassInstance> ClassInstance::create(Interpreter &interp, const ClassDef &cls,
                                                     std::weak_ptr<bool> alive)
{
    return std::shared_ptr<ClassInstance>(new ClassInstance(interp, cls, std::move(alive)), &ClassInstance::release);
}

// The last reference is gone: run Class_Terminate with a fresh owner (the script may
// keep Me), and free the object when that owner lets go in turn.
void ClassInstance::release(ClassInstance *instance)
{
    if (!instance->m_alive.expired() && !instance->m_terminated && instance->m_class.terminate) {
        instance->m_terminated = true;
        std::shared_ptr<ClassInstance> owner(instance, &ClassInstance::release);
        instance->m_interp.runTerminate(owner);
        return;
    }
    delete instance;
}

std::u16string ClassInstance::typeName() const
{
    return m_typeName;
}

Variant ClassInstance::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    if (m_alive.expired())
        throw ScriptError(errors::ObjectRequired);
    return m_interp.invokeFromHost(*this, name, kind, args);
}

} // namespace vbs
