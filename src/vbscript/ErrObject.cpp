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
    if (name == u"helpfile") {
        if (set)
            err.helpFile = conv::toString(args.back(), m_interp.language());
        return Variant::string(err.helpFile);
    }
    if (name == u"helpcontext") {
        if (set)
            err.helpContext = conv::toLong(args.back());
        return Variant::longValue(err.helpContext);
    }
    if (name == u"clear") {
        err = {};
        return {};
    }
    if (name == u"raise") {
        if (args.empty() || args.size() > 5)
            throw ScriptError(errors::WrongArguments);
        int32_t number = conv::toLong(args[0]);
        if (number == 0)
            throw ScriptError(errors::InvalidCall);
        // The language's own errors as HRESULTs (&H800A000B) are its numbers (11).
        if ((uint32_t(number) >> 16) == 0x800A)
            number &= 0xFFFF;
        auto text = [&](size_t i) {
            return args.size() > i && !args[i].isEmpty() && !args[i].isMissing() ? conv::toString(args[i], m_interp.language())
                                                         : std::u16string();
        };
        // Raise: number, source, description, help file, help context.
        ScriptError error(number, text(2), text(1));
        error.setHelp(text(3), args.size() > 4 && !args[4].isEmpty() && !args[4].isMissing() ? conv::toLong(args[4]) : 0);
        throw error;
    }
    throw ScriptError(errors::NoSuchMember);
}

} // namespace vbs
