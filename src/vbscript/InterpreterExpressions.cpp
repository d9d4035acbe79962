#include "vbscript/Interpreter.h"

#include "vbscript/ClassInstance.h"
#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Operators.h"

#include <new>

namespace vbs {

namespace {

// The C… conversion functions; their result cannot be thrown away by a call statement.
bool isConversion(const BuiltinInfo &builtin)
{
    const std::span<const BuiltinInfo> family = conversionBuiltins();
    return builtin.name[0] == u'C' && &builtin >= family.data() && &builtin < family.data() + family.size();
}

} // namespace

Variant Interpreter::eval(const Expr &expr, Frame &frame)
{
    switch (expr.kind) {
    case ExprKind::Literal: return static_cast<const LiteralExpr &>(expr).value;
    case ExprKind::Name: return evalName(const_cast<NameExpr &>(static_cast<const NameExpr &>(expr)), frame);
    case ExprKind::Paren: return eval(*static_cast<const ParenExpr &>(expr).inner, frame);
    case ExprKind::Index: return evalIndex(static_cast<const IndexExpr &>(expr), frame, false);
    case ExprKind::Member: return evalMember(static_cast<const MemberExpr &>(expr), frame, Invoke::Get, nullptr);
    case ExprKind::New: return newObject(static_cast<const NewExpr &>(expr));
    case ExprKind::Me:
        if (!frame.me)
            throw ScriptError(errors::ObjectRequired);
        return Variant::object(frame.me);
    case ExprKind::Unary: {
        const auto &unary = static_cast<const UnaryExpr &>(expr);
        return ops::unary(unary.op, eval(*unary.operand, frame));
    }
    case ExprKind::Binary: {
        const auto &binary = static_cast<const BinaryExpr &>(expr);
        const Variant left = eval(*binary.left, frame);
        const Variant right = eval(*binary.right, frame);
        const VarType lt = left.type(), rt = right.type();
        if ((lt == VarType::Integer || lt == VarType::Long) && (rt == VarType::Integer || rt == VarType::Long)) {
            const int32_t x = lt == VarType::Integer ? left.intValue() : left.longValue();
            const int32_t y = rt == VarType::Integer ? right.intValue() : right.longValue();
            switch (binary.op) {
            case Op::Eq: return Variant::boolean(x == y);
            case Op::Ne: return Variant::boolean(x != y);
            case Op::Lt: return Variant::boolean(x < y);
            case Op::Gt: return Variant::boolean(x > y);
            case Op::Le: return Variant::boolean(x <= y);
            case Op::Ge: return Variant::boolean(x >= y);
            default: break;
            }
        }
        switch (binary.op) {
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Gt:
        case Op::Le:
        case Op::Ge:
            return ops::comparison(binary.op, left, right, binary.left->kind == ExprKind::Literal,
                                   binary.right->kind == ExprKind::Literal);
        case Op::Is: return Variant::boolean(ops::sameObject(left, right));
        case Op::Concat:
        case Op::Add: {
            if (left.isString() && right.isString())
                checkString(left.stringValue().size() + right.stringValue().size());
            Variant result = ops::binary(binary.op, left, right, m_language);
            if (result.isString())
                checkString(result.stringValue().size());
            return result;
        }
        default: return ops::binary(binary.op, left, right, m_language);
        }
    }
    }
    return {};
}

Variant *Interpreter::variable(NameExpr &name, Frame &frame, bool create)
{
    switch (name.scope) {
    case NameScope::Local: return frame.slots[size_t(name.slot)];
    case NameScope::Field: return &frame.me->fields()[size_t(name.slot)];
    case NameScope::MeMember: return nullptr;
    case NameScope::Global: break;
    }
    if (GlobalEntry *entry = lookup(name))
        return entry->kind == GlobalEntry::Kind::Variable ? &entry->value : nullptr;
    if (name.fallbackSlot >= 0)
        return frame.slots[size_t(name.fallbackSlot)];
    if (!create)
        return nullptr;
    if (frame.optionExplicit || frame.proc)
        throw ScriptError(errors::VariableUndefined);
    GlobalEntry &entry = defineGlobal(name.name, GlobalEntry::Kind::Variable);
    name.cache = &entry;
    return &entry.value;
}

Variant Interpreter::evalName(NameExpr &name, Frame &frame)
{
    switch (name.scope) {
    case NameScope::Local: return *frame.slots[size_t(name.slot)];
    case NameScope::Field: return frame.me->fields()[size_t(name.slot)];
    case NameScope::MeMember: return invokeClass(*frame.me, name.key, Invoke::Get, {}, {}, true);
    case NameScope::Global: break;
    }
    GlobalEntry *entry = name.cache ? name.cache : lookup(name);
    if (!entry)
        return *variable(name, frame, true);
    switch (entry->kind) {
    case GlobalEntry::Kind::Variable:
    case GlobalEntry::Kind::Constant:
    case GlobalEntry::Kind::Object: return entry->value;
    default: {
        static const std::vector<ExprPtr> none;
        return callGlobal(*entry, none, frame, false);
    }
    }
}

Arguments::~Arguments()
{
    for (const auto &element : elements) {
        if (!element->array->isArray())
            continue;
        const int64_t offset = element->array->arrayValue()->offset(element->at.data(), element->at.size());
        if (offset < 0)
            continue;
        try {
            element->array->mutableArray().data[size_t(offset)] = std::move(element->value);
        } catch (const std::bad_alloc &) {
            // Nothing sensible remains to be done when the copy of the array cannot be made.
        }
    }
}

Variant *Interpreter::elementRef(const IndexExpr &expr, Frame &frame, Arguments &args)
{
    if (expr.target->kind != ExprKind::Name || expr.args.empty())
        return nullptr;
    auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(*expr.target));
    if (name.scope == NameScope::MeMember)
        return nullptr;
    Variant *array = variable(name, frame, false);
    if (!array || !array->isArray())
        return nullptr;
    auto element = std::make_unique<ElementRef>();
    element->array = array;
    for (const ExprPtr &index : expr.args)
        element->at.push_back(conv::toLong(eval(*index, frame)));
    if (!array->isArray())
        throw ScriptError(errors::TypeMismatch);
    const int64_t offset = array->arrayValue()->offset(element->at.data(), element->at.size());
    if (offset < 0)
        throw ScriptError(errors::SubscriptOutOfRange);
    element->value = array->arrayValue()->data[size_t(offset)];
    args.elements.push_back(std::move(element));
    return &args.elements.back()->value;
}

Arguments Interpreter::evalArgs(const std::vector<ExprPtr> &args, Frame &frame, bool byRef)
{
    Arguments result;
    result.values.resize(args.size());
    if (byRef)
        result.refs.resize(args.size());
    for (size_t i = 0; i < args.size(); ++i) {
        if (byRef && args[i]->kind == ExprKind::Name) {
            auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(*args[i]));
            if (name.scope != NameScope::MeMember) {
                GlobalEntry *entry = name.scope == NameScope::Global ? lookup(name) : nullptr;
                if (!entry || entry->kind == GlobalEntry::Kind::Variable) {
                    if (Variant *place = variable(name, frame, true)) {
                        result.refs[i] = place;
                        continue;
                    }
                }
            }
        } else if (byRef && args[i]->kind == ExprKind::Index) {
            if (Variant *place = elementRef(static_cast<const IndexExpr &>(*args[i]), frame, result)) {
                result.refs[i] = place;
                continue;
            }
        }
        result.values[i] = eval(*args[i], frame);
    }
    return result;
}

Variant Interpreter::index(const Variant &place, Arguments &args)
{
    // A copy: converting an index may run script that changes the variable.
    const Variant value = place;
    if (value.isArray()) {
        int32_t at[8];
        std::vector<int32_t> many;
        int32_t *indices = at;
        if (args.values.size() > 8) {
            many.resize(args.values.size());
            indices = many.data();
        }
        for (size_t i = 0; i < args.values.size(); ++i)
            indices[i] = conv::toLong(i < args.refs.size() && args.refs[i] ? *args.refs[i] : args.values[i]);
        const Array &array = *value.arrayValue();
        const int64_t offset = array.offset(indices, args.values.size());
        if (offset < 0)
            throw ScriptError(errors::SubscriptOutOfRange);
        return array.data[size_t(offset)];
    }
    if (value.isObject())
        return invoke(value, u"", Invoke::Get, args, false);
    if (args.values.empty())
        return value;
    throw ScriptError(errors::TypeMismatch);
}

Variant Interpreter::callGlobal(GlobalEntry &entry, const std::vector<ExprPtr> &argExprs, Frame &frame, bool asStatement)
{
    switch (entry.kind) {
    case GlobalEntry::Kind::Procedure: {
        Arguments args = evalArgs(argExprs, frame, true);
        return callProcedure(*entry.proc, nullptr, args);
    }
    case GlobalEntry::Kind::Builtin: {
        Arguments args = evalArgs(argExprs, frame, false);
        if (int(args.values.size()) < entry.builtin->minArgs || int(args.values.size()) > entry.builtin->maxArgs)
            throw ScriptError(errors::WrongArguments);
        m_frame = &frame;
        if (asStatement && isConversion(*entry.builtin)) {
            // The conversion runs, and fails on its own argument first.
            entry.builtin->fn(*this, args.values);
            throw ScriptError(errors::UnsupportedType);
        }
        return entry.builtin->fn(*this, args.values);
    }
    case GlobalEntry::Kind::HostFunction: {
        Arguments args = evalArgs(argExprs, frame, false);
        HostFunction function = entry.hostFunction;
        return function(args.values);
    }
    case GlobalEntry::Kind::Object: {
        Arguments args = evalArgs(argExprs, frame, false);
        return invoke(entry.value, u"", asStatement ? Invoke::Call : Invoke::Get, args, false);
    }
    default: {
        Arguments args = evalArgs(argExprs, frame, false);
        return index(entry.value, args);
    }
    }
}

Variant Interpreter::evalIndex(const IndexExpr &expr, Frame &frame, bool asStatement)
{
    if (expr.target->kind == ExprKind::Name) {
        auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(*expr.target));
        switch (name.scope) {
        case NameScope::MeMember: {
            Arguments args = evalArgs(expr.args, frame, true);
            return invokeClass(*frame.me, name.key, asStatement ? Invoke::Call : Invoke::Get, args.values, args.refs,
                               true);
        }
        case NameScope::Global:
            if (GlobalEntry *entry = lookup(name))
                return callGlobal(*entry, expr.args, frame, asStatement);
            [[fallthrough]];
        default: {
            Arguments args = evalArgs(expr.args, frame, false);
            const Variant value = *variable(name, frame, true);
            if (value.isObject())
                return invoke(value, u"", asStatement ? Invoke::Call : Invoke::Get, args, false);
            return index(value, args);
        }
        }
    }
    if (expr.target->kind == ExprKind::Member) {
        const auto &member = static_cast<const MemberExpr &>(*expr.target);
        Arguments args;
        return evalMember(member, frame, asStatement ? Invoke::Call : Invoke::Get, &args, &expr.args);
    }
    const Variant value = eval(*expr.target, frame);
    Arguments args = evalArgs(expr.args, frame, false);
    return index(value, args);
}

Variant Interpreter::objectOf(const Expr *expr, Frame &frame)
{
    if (!expr) {
        if (frame.with.empty())
            throw ScriptError(505);
        return frame.with.back();
    }
    return eval(*expr, frame);
}

Variant Interpreter::evalMember(const MemberExpr &expr, Frame &frame, Invoke kind, Arguments *args,
                                const std::vector<ExprPtr> *argExprs)
{
    const Variant object = objectOf(expr.object.get(), frame);
    Arguments none;
    if (argExprs)
        *args = evalArgs(*argExprs, frame, true);
    return invoke(object, expr.key, kind, args ? *args : none,
                  expr.object && expr.object->kind == ExprKind::Me);
}

Variant Interpreter::invoke(const Variant &object, std::u16string_view key, Invoke kind, Arguments &args,
                            bool internal)
{
    if (!object.isObject())
        throw ScriptError(errors::ObjectRequired);
    if (object.isNothing())
        throw ScriptError(errors::ObjectNotSet);
    const std::shared_ptr<HostObject> hold = object.objectValue();
    if (auto *instance = dynamic_cast<ClassInstance *>(hold.get()))
        return invokeClass(*instance, key, kind, args.values, args.refs, internal);
    for (size_t i = 0; i < args.refs.size(); ++i)
        if (args.refs[i])
            args.values[i] = *args.refs[i];
    return hold->invoke(key, kind, args.values);
}

Variant Interpreter::letValue(Variant value)
{
    if (value.isObject())
        return conv::defaultValue(value);
    return value;
}

void Interpreter::assign(const Expr &target, Variant value, bool isSet, Frame &frame)
{
    if (isSet) {
        if (!value.isObject())
            throw ScriptError(errors::ObjectRequired);
    } else {
        value = letValue(std::move(value));
    }
    const Invoke kind = isSet ? Invoke::Set : Invoke::Let;
    switch (target.kind) {
    case ExprKind::Name: {
        auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(target));
        if (name.scope == NameScope::MeMember) {
            invokeClass(*frame.me, name.key, kind, std::span<Variant>(&value, 1), {}, true);
            return;
        }
        if (name.scope == NameScope::Global) {
            GlobalEntry *entry = lookup(name);
            if (entry && entry->kind == GlobalEntry::Kind::Object) {
                Arguments args;
                args.values.push_back(std::move(value));
                invoke(entry->value, u"", kind, args, false);
                return;
            }
        }
        Variant *place = variable(name, frame, true);
        if (!place)
            throw ScriptError(errors::IllegalAssignment);
        *place = std::move(value);
        return;
    }
    case ExprKind::Member: {
        const auto &member = static_cast<const MemberExpr &>(target);
        const Variant object = objectOf(member.object.get(), frame);
        Arguments args;
        args.values.push_back(std::move(value));
        invoke(object, member.key, kind, args, member.object && member.object->kind == ExprKind::Me);
        return;
    }
    case ExprKind::Index: {
        const auto &indexExpr = static_cast<const IndexExpr &>(target);
        if (indexExpr.target->kind == ExprKind::Member) {
            const auto &member = static_cast<const MemberExpr &>(*indexExpr.target);
            const Variant object = objectOf(member.object.get(), frame);
            Arguments args = evalArgs(indexExpr.args, frame, false);
            args.values.push_back(std::move(value));
            invoke(object, member.key, kind, args, member.object && member.object->kind == ExprKind::Me);
            return;
        }
        if (indexExpr.target->kind != ExprKind::Name)
            throw ScriptError(errors::TypeMismatch);
        auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(*indexExpr.target));
        Arguments args = evalArgs(indexExpr.args, frame, false);
        if (name.scope == NameScope::MeMember) {
            args.values.push_back(std::move(value));
            invokeClass(*frame.me, name.key, kind, args.values, {}, true);
            return;
        }
        if (name.scope == NameScope::Global) {
            GlobalEntry *entry = lookup(name);
            if (entry && entry->kind == GlobalEntry::Kind::Object) {
                args.values.push_back(std::move(value));
                invoke(entry->value, u"", kind, args, false);
                return;
            }
        }
        Variant *place = variable(name, frame, true);
        if (!place)
            throw ScriptError(errors::IllegalAssignment);
        if (place->isObject()) {
            args.values.push_back(std::move(value));
            invoke(*place, u"", kind, args, false);
            return;
        }
        std::vector<int32_t> at;
        for (const Variant &v : args.values)
            at.push_back(conv::toLong(v));
        if (!place->isArray())
            throw ScriptError(errors::TypeMismatch);
        const int64_t offset = place->arrayValue()->offset(at.data(), at.size());
        if (offset < 0)
            throw ScriptError(errors::SubscriptOutOfRange);
        place->mutableArray().data[size_t(offset)] = std::move(value);
        return;
    }
    default: throw ScriptError(errors::IllegalAssignment);
    }
}

} // namespace vbs
