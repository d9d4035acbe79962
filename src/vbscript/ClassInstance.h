#pragma once

#include "vbscript/HostObject.h"

#include <memory>
#include <vector>

namespace vbs {

class Interpreter;
struct ClassDef;

// An object of a class written in script. Created through create(), whose deleter runs
// Class_Terminate once before the object is freed.
class ClassInstance : public HostObject, public std::enable_shared_from_this<ClassInstance>
{
public:
    static std::shared_ptr<ClassInstance> create(Interpreter &interp, const ClassDef &cls,
                                                 std::weak_ptr<bool> alive);
    ~ClassInstance() override;

    std::u16string typeName() const override;
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

    const ClassDef &classDef() const { return m_class; }
    std::vector<Variant> &fields() { return m_fields; }

private:
    ClassInstance(Interpreter &interp, const ClassDef &cls, std::weak_ptr<bool> alive);
    static void release(ClassInstance *instance);

    Interpreter &m_interp;
    const ClassDef &m_class;
    std::weak_ptr<bool> m_alive; // the class definition and the interpreter live while this does
    std::u16string m_typeName;
    std::vector<Variant> m_fields;
    bool m_terminated = false;
};

} // namespace vbs
