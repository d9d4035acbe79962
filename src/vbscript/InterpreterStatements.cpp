#include "vbscript/Interpreter.h"

#include "vbscript/ClassInstance.h"
#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Operators.h"

#include <new>

namespace vbs {

void Interpreter::step()
{
    if ((m_limits.maxSteps && ++m_steps > m_limits.maxSteps) || m_interrupt.load(std::memory_order_relaxed)) {
        ScriptError error(errors::UserInterrupt);
        error.setFatal(true);
        throw error;
    }
}

void Interpreter::handle(ScriptError &error, const Stmt &stmt, Frame &frame)
{
    if (error.line() == 0)
        error.setPosition(stmt.line, 0);
    if (!frame.resumeNext || error.isFatal() || error.isCompileError())
        throw error;
    describe(error);
    m_err = ErrState::of(error);
}

Flow Interpreter::execBlock(const Block &block, Frame &frame)
{
    for (const StmtPtr &stmt : block) {
        try {
            const Flow flow = exec(*stmt, frame);
            if (flow != Flow::Normal)
                return flow;
        } catch (ScriptError &error) {
            handle(error, *stmt, frame);
        } catch (const std::bad_alloc &) {
            ScriptError error(errors::OutOfMemory);
            handle(error, *stmt, frame);
        }
    }
    return Flow::Normal;
}

Flow Interpreter::exec(const Stmt &stmt, Frame &frame)
{
    step();
    switch (stmt.kind) {
    case StmtKind::Assign: execAssign(static_cast<const AssignStmt &>(stmt), frame); break;
    case StmtKind::Call: execCall(static_cast<const CallStmt &>(stmt), frame); break;
    case StmtKind::Dim: execDim(static_cast<const DimStmt &>(stmt), frame); break;
    case StmtKind::ReDim: execReDim(static_cast<const ReDimStmt &>(stmt), frame); break;
    case StmtKind::Const: execConst(static_cast<const ConstStmt &>(stmt), frame); break;
    case StmtKind::If: return execIf(static_cast<const IfStmt &>(stmt), frame);
    case StmtKind::Select: return execSelect(static_cast<const SelectStmt &>(stmt), frame);
    case StmtKind::For: return execFor(static_cast<const ForStmt &>(stmt), frame);
    case StmtKind::ForEach: return execForEach(static_cast<const ForEachStmt &>(stmt), frame);
    case StmtKind::Do: return execDo(static_cast<const DoStmt &>(stmt), frame);
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt &>(stmt).what) {
        case ExitKind::Do: return Flow::ExitDo;
        case ExitKind::For: return Flow::ExitFor;
        default: return Flow::ExitProcedure;
        }
    case StmtKind::OnError:
        frame.resumeNext = static_cast<const OnErrorStmt &>(stmt).resumeNext;
        m_err = {};
        break;
    case StmtKind::With: {
        const auto &with = static_cast<const WithStmt &>(stmt);
        frame.with.push_back(eval(*with.object, frame));
        struct Pop
        {
            std::vector<Variant> &stack;
            ~Pop() { stack.pop_back(); }
        } pop{frame.with};
        return execBlock(with.body, frame);
    }
    case StmtKind::Erase: {
        Variant *place = variable(*static_cast<const EraseStmt &>(stmt).target, frame, false);
        if (!place || !place->isArray())
            throw ScriptError(errors::TypeMismatch);
        Array &array = place->mutableArray();
        if (array.fixed) {
            for (Variant &v : array.data)
                v = Variant();
        } else {
            array.upper.clear();
            array.data.clear();
        }
        break;
    }
    }
    return Flow::Normal;
}

bool Interpreter::condition(const Expr &expr, Frame &frame)
{
    Variant value = eval(expr, frame);
    if (value.type() == VarType::Boolean)
        return value.boolValue();
    if (value.isObject())
        value = conv::defaultValue(value);
    if (value.isNull())
        return false;
    return conv::toBool(value);
}

Flow Interpreter::execIf(const IfStmt &stmt, Frame &frame)
{
    for (const IfStmt::Branch &branch : stmt.branches) {
        bool taken;
        try {
            taken = condition(*branch.condition, frame);
        } catch (ScriptError &error) {
            // Under On Error Resume Next a failing condition goes on with the next
            // statement, which is the first of the branch.
            if (error.line() == 0)
                error.setPosition(branch.line, 0);
            if (!frame.resumeNext || error.isFatal())
                throw;
            describe(error);
            m_err = ErrState::of(error);
            taken = true;
        }
        if (taken)
            return execBlock(branch.body, frame);
    }
    return execBlock(stmt.elseBody, frame);
}

Flow Interpreter::execSelect(const SelectStmt &stmt, Frame &frame)
{
    const Variant subject = conv::scalar(eval(*stmt.subject, frame));
    const bool subjectLiteral = stmt.subject->kind == ExprKind::Literal;
    for (const SelectStmt::Case &c : stmt.cases) {
        bool match = c.tests.empty();
        for (const SelectStmt::Test &test : c.tests) {
            const Variant value = eval(*test.value, frame);
            const bool valueLiteral = test.value->kind == ExprKind::Literal;
            if (test.to) {
                const Variant high = eval(*test.to, frame);
                const int low = ops::compare(subject, value, subjectLiteral, valueLiteral);
                const int up = ops::compare(subject, high, subjectLiteral, test.to->kind == ExprKind::Literal);
                match = low != ops::kNullOrder && up != ops::kNullOrder && low >= 0 && up <= 0;
            } else {
                const Variant result = ops::comparison(test.op, subject, value, subjectLiteral, valueLiteral);
                match = !result.isNull() && result.boolValue();
            }
            if (match)
                break;
        }
        if (match)
            return execBlock(c.body, frame);
    }
    return Flow::Normal;
}

Flow Interpreter::execFor(const ForStmt &stmt, Frame &frame)
{
    auto number = [&](const Expr &expr) {
        const Variant v = conv::toArithmetic(conv::scalar(eval(expr, frame)));
        if (v.isNull())
            throw ScriptError(errors::InvalidNull);
        return v;
    };
    const Variant from = number(*stmt.from);
    const Variant to = number(*stmt.to);
    const Variant increment = stmt.step ? number(*stmt.step) : Variant::integer(1);
    const double limit = conv::toDouble(to);
    const bool up = conv::toDouble(increment) >= 0;
    Variant *counter = variable(*stmt.variable, frame, true);
    if (!counter)
        throw ScriptError(errors::IllegalAssignment);
    *counter = from;
    const bool integerStep = increment.type() == VarType::Integer || increment.type() == VarType::Long;
    const int32_t integerIncrement = integerStep ? conv::toLong(increment) : 0;
    while (true) {
        const VarType type = counter->type();
        const double current = type == VarType::Integer ? counter->intValue()
                               : type == VarType::Long  ? counter->longValue()
                                                        : conv::toDouble(*counter);
        if (up ? current > limit : current < limit)
            break;
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitFor)
            break;
        if (flow != Flow::Normal)
            return flow;
        if (stmt.body.empty())
            step();
        // The body may have changed the counter: the next value starts from the variable.
        const VarType now = counter->type();
        if (integerStep && (now == VarType::Integer || now == VarType::Long)) {
            const int64_t next =
                int64_t(now == VarType::Integer ? counter->intValue() : counter->longValue()) + integerIncrement;
            if (now == VarType::Integer && increment.type() == VarType::Integer && next >= -32768 && next <= 32767) {
                *counter = Variant::integer(int16_t(next));
                continue;
            }
            if (next >= INT32_MIN && next <= INT32_MAX) {
                *counter = Variant::longValue(int32_t(next));
                continue;
            }
        }
        *counter = ops::binary(Op::Add, *counter, increment);
    }
    return Flow::Normal;
}

namespace {

// For Each visits a multi-dimensional array with its first index varying fastest;
// the elements are stored with the last index fastest.
size_t firstIndexFastest(const Array &array, size_t visit)
{
    if (array.upper.size() < 2)
        return visit;
    size_t offset = 0, stride = 1;
    std::vector<size_t> strides(array.upper.size());
    for (size_t d = array.upper.size(); d-- > 0;) {
        strides[d] = stride;
        stride *= size_t(array.upper[d]) + 1;
    }
    for (size_t d = 0; d < array.upper.size(); ++d) {
        const size_t extent = size_t(array.upper[d]) + 1;
        offset += (visit % extent) * strides[d];
        visit /= extent;
    }
    return offset;
}

} // namespace

Flow Interpreter::execForEach(const ForEachStmt &stmt, Frame &frame)
{
    const Variant collection = eval(*stmt.collection, frame);
    std::vector<Variant> items;
    std::shared_ptr<Array> array;
    if (collection.isArray()) {
        array = collection.arrayValue();
    } else if (collection.isObject()) {
        if (collection.isNothing())
            throw ScriptError(errors::ObjectNotSet);
        if (!collection.objectValue()->enumerate(items))
            throw ScriptError(errors::NotACollection);
    } else {
        throw ScriptError(errors::NotACollection);
    }
    const size_t count = array ? array->data.size() : items.size();
    for (size_t i = 0; i < count; ++i) {
        Variant *place = variable(*stmt.variable, frame, true);
        if (!place)
            throw ScriptError(errors::IllegalAssignment);
        *place = array ? array->data[firstIndexFastest(*array, i)] : items[i];
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitFor)
            break;
        if (flow != Flow::Normal)
            return flow;
        if (stmt.body.empty())
            step();
    }
    return Flow::Normal;
}

Flow Interpreter::execDo(const DoStmt &stmt, Frame &frame)
{
    while (true) {
        if (stmt.condition && stmt.atTop && condition(*stmt.condition, frame) == stmt.until)
            break;
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitDo)
            break;
        if (flow != Flow::Normal)
            return flow;
        if (stmt.body.empty())
            step();
        if (stmt.condition && !stmt.atTop && condition(*stmt.condition, frame) == stmt.until)
            break;
    }
    return Flow::Normal;
}

namespace {

std::shared_ptr<Array> newArray(Interpreter &interp, const std::vector<int32_t> &upper)
{
    size_t total = upper.empty() ? 0 : 1;
    for (int32_t bound : upper) {
        if (bound < -1)
            throw ScriptError(errors::SubscriptOutOfRange);
        total *= size_t(bound) + 1;
        interp.checkArray(total);
    }
    auto array = std::make_shared<Array>();
    array->upper = upper;
    array->data.resize(total);
    return array;
}

} // namespace

void Interpreter::execDim(const DimStmt &stmt, Frame &frame)
{
    for (const DimStmt::Item &item : stmt.items) {
        Variant *place = variable(*item.name, frame, true);
        if (!item.isArray || !place || place->isArray())
            continue;
        std::vector<int32_t> upper;
        for (const ExprPtr &bound : item.bounds)
            upper.push_back(conv::toLong(eval(*bound, frame)));
        auto array = newArray(*this, upper);
        array->fixed = !upper.empty();
        *place = Variant::array(std::move(array));
    }
}

void Interpreter::execReDim(const ReDimStmt &stmt, Frame &frame)
{
    for (const DimStmt::Item &item : stmt.items) {
        std::vector<int32_t> upper;
        for (const ExprPtr &bound : item.bounds)
            upper.push_back(conv::toLong(eval(*bound, frame)));
        Variant *place = variable(*item.name, frame, true);
        if (!place)
            throw ScriptError(errors::IllegalAssignment);
        auto array = newArray(*this, upper);
        if (place->isArray()) {
            const Array &old = *place->arrayValue();
            if (old.fixed)
                throw ScriptError(errors::ArrayFixed);
            if (stmt.preserve && !old.upper.empty()) {
                if (old.upper.size() != upper.size())
                    throw ScriptError(errors::SubscriptOutOfRange);
                for (size_t d = 0; d + 1 < upper.size(); ++d)
                    if (old.upper[d] != upper[d])
                        throw ScriptError(errors::SubscriptOutOfRange);
                std::vector<int32_t> at(upper.size());
                for (size_t offset = 0; offset < old.data.size(); ++offset) {
                    size_t rest = offset;
                    for (size_t d = upper.size(); d-- > 0;) {
                        const size_t extent = size_t(old.upper[d]) + 1;
                        at[d] = int32_t(rest % extent);
                        rest /= extent;
                    }
                    const int64_t target = array->offset(at.data(), at.size());
                    if (target >= 0)
                        array->data[size_t(target)] = old.data[offset];
                }
            }
        }
        *place = Variant::array(std::move(array));
    }
}

void Interpreter::execConst(const ConstStmt &stmt, Frame &frame)
{
    for (const auto &[name, expr] : stmt.items) {
        Variant value = eval(*expr, frame);
        if (name->scope == NameScope::Local) {
            *frame.slots[size_t(name->slot)] = std::move(value);
        } else {
            GlobalEntry *entry = lookup(*name);
            if (!entry)
                entry = name->cache = &defineGlobal(name->name, GlobalEntry::Kind::Constant);
            entry->kind = GlobalEntry::Kind::Constant;
            entry->value = std::move(value);
        }
    }
}

void Interpreter::execAssign(const AssignStmt &stmt, Frame &frame)
{
    if (stmt.appendInPlace) {
        auto &target = static_cast<NameExpr &>(*stmt.target);
        Variant *place = target.scope == NameScope::MeMember ? nullptr : variable(target, frame, true);
        if (place && place->isString()) {
            const auto &concat = static_cast<const BinaryExpr &>(*stmt.value);
            Variant right = conv::scalar(eval(*concat.right, frame));
            if (place->isString()) {
                if (right.isNull())
                    return;
                const std::u16string tail = right.isString() ? std::u16string() : conv::toString(right, m_language);
                const std::u16string &add = right.isString() ? right.stringValue() : tail;
                checkString(place->stringValue().size() + add.size());
                place->mutableString().append(add);
                return;
            }
            assign(*stmt.target, ops::binary(Op::Concat, *place, right, m_language), false, frame);
            return;
        }
    }
    if (stmt.value->kind != ExprKind::Index || stmt.isSet) {
        assign(*stmt.target, eval(*stmt.value, frame), stmt.isSet, frame);
        return;
    }
    Variant value;
    try {
        value = eval(*stmt.value, frame);
    } catch (ScriptError &error) {
        if (error.emptiesTarget())
            assign(*stmt.target, Variant(), false, frame);
        throw;
    }
    assign(*stmt.target, std::move(value), false, frame);
}

void Interpreter::execCall(const CallStmt &stmt, Frame &frame)
{
    const Expr &call = *stmt.call;
    switch (call.kind) {
    case ExprKind::Index: evalIndex(static_cast<const IndexExpr &>(call), frame, true); return;
    case ExprKind::Member: evalMember(static_cast<const MemberExpr &>(call), frame, Invoke::Call, nullptr); return;
    case ExprKind::Name: {
        auto &name = const_cast<NameExpr &>(static_cast<const NameExpr &>(call));
        if (name.scope == NameScope::MeMember) {
            invokeClass(*frame.me, name.key, Invoke::Call, {}, {}, true);
            return;
        }
        if (name.scope == NameScope::Global) {
            if (GlobalEntry *entry = lookup(name)) {
                Arguments none;
                if (entry->kind == GlobalEntry::Kind::Object) {
                    invoke(entry->value, u"", Invoke::Call, none, false);
                    return;
                }
                if (entry->kind != GlobalEntry::Kind::Variable && entry->kind != GlobalEntry::Kind::Constant) {
                    evalName(name, frame);
                    return;
                }
            }
        }
        const Variant value = evalName(name, frame);
        if (value.isObject()) {
            Arguments none;
            invoke(value, u"", Invoke::Call, none, false);
            return;
        }
        throw ScriptError(errors::TypeMismatch);
    }
    default: throw ScriptError(errors::TypeMismatch);
    }
}

} // namespace vbs
