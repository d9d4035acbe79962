#pragma once

#include "vbscript/HostObject.h"

namespace vbs {

class Interpreter;

// The Err object: Number (default), Description, Source, Clear, Raise.
class ErrObject : public HostObject
{
public:
    explicit ErrObject(Interpreter &interp);
    std::u16string typeName() const override { return u"ErrObject"; }
    Variant invoke(std::u16string_view name, Invoke kind, std::span<Variant> args) override;

private:
    Interpreter &m_interp;
};

} // namespace vbs
