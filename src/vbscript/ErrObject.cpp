#include "vbscript/ErrObject.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"

namespace vbs {

ErrObject::ErrObject(Interpreter &interp) : m_interp(interp) {}

Variant ErrObject::invoke(std::u16string_view name, Invoke kind, std::span<Variant> args)
{
    ErrState &err = m_interp.err();
    const bool set = kind == Invoke::Let || kind == Invoke::Set;
    if (name.empty() || name == u"number") {
        if (set)
            err.number = conv::toLong(args.back());
        return Variant::longValue(err.number);
    }
    if (name == u"description") {
        if (set)
            err.description = conv::toString(args.back(), m_interp.language());
        return Variant::string(err.description);
    }
    if (name == u"source") {
        if (set)
            err.source = conv::toString(args.back(), m_interp.language());
        return Variant::string(err.source);
    }
    if (name == u"helpfile")
        return Variant::string(u"");
    if (name == u"helpcontext")
        return Variant::longValue(0);
    if (name == u"clear") {
        err = {};
        return {};
    }
    if (name == u"raise") {
        if (args.empty() || args.size() > 5)
            throw ScriptError(errors::WrongArguments);
        const int32_t number = conv::toLong(args[0]);
        if (number == 0)
            throw ScriptError(errors::InvalidCall);
        auto text = [&](size_t i) {
            return args.size() > i && !args[i].isEmpty() ? conv::toString(args[i], m_interp.language())
                                                         : std::u16string();
        };
        throw ScriptError(number, text(2), text(1));
    }
    throw ScriptError(errors::NoSuchMember);
}

} // namespace vbs
