#include "vbscript/Interpreter.h"

#include "vbscript/ClassInstance.h"
#include "vbscript/Conversion.h"
#include "vbscript/ErrObject.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Lexer.h"
#include "vbscript/Parser.h"
#include "vbscript/RegExpObject.h"

#include <new>

namespace vbs {

struct Interpreter::EntryGuard
{
    explicit EntryGuard(Interpreter &interp) : m_interp(interp)
    {
        char probe;
        if (m_interp.m_entryDepth == 0) {
            m_interp.m_stackBase = uintptr_t(&probe);
            m_interp.m_steps = 0;
            m_interp.m_interrupt.store(false);
        } else {
            m_interp.checkStack();
        }
        ++m_interp.m_entryDepth;
    }
    ~EntryGuard() { --m_interp.m_entryDepth; }
    Interpreter &m_interp;
};

namespace {

// Runs work, turning every failure into a described ScriptError.
template <typename Work>
auto guarded(const Interpreter &interp, Work work)
{
    try {
        return work();
    } catch (ScriptError &error) {
        interp.describe(error);
        throw;
    } catch (const std::bad_alloc &) {
        ScriptError error(errors::OutOfMemory);
        interp.describe(error);
        throw error;
    }
}

} // namespace

Interpreter::Interpreter() : m_alive(std::make_shared<bool>(true))
{
    for (auto family : {stringBuiltins(), conversionBuiltins(), mathBuiltins(), dateBuiltins(), arrayBuiltins(),
                        hostBuiltins(), scriptBuiltins(), formatBuiltins(), encodingBuiltins()})
        for (const BuiltinInfo &info : family)
            defineGlobal(info.name, GlobalEntry::Kind::Builtin).builtin = &info;
    for (auto &[name, value] : builtinConstants())
        defineGlobal(name, GlobalEntry::Kind::Constant).value = value;
    defineGlobal(u"Err", GlobalEntry::Kind::Object).value = Variant::object(std::make_shared<ErrObject>(*this));
}

Interpreter::~Interpreter()
{
    m_shuttingDown = true;
    std::vector<Variant> released;
    for (auto &entry : m_globals)
        released.push_back(std::move(entry->value));
    for (ClassInstance *instance : m_instances)
        for (Variant &field : instance->fields())
            released.push_back(std::move(field));
    m_alive.reset();
    releaseValues(released);
}

void Interpreter::describe(ScriptError &error) const
{
    if (error.description().empty())
        error.setDescription(errors::description(error.number(), m_language));
    if (error.source().empty())
        error.setSource(error.isCompileError() ? errors::compileSource(m_language) : errors::runtimeSource(m_language));
}

void Interpreter::checkStack() const
{
    char probe;
    const uintptr_t here = uintptr_t(&probe);
    const size_t used = here < m_stackBase ? m_stackBase - here : here - m_stackBase;
    if (used > m_limits.maxStackBytes)
        throw ScriptError(errors::OutOfStack);
}

void Interpreter::checkString(size_t length) const
{
    if (length > m_limits.maxStringLength)
        throw ScriptError(errors::OutOfMemory);
}

void Interpreter::checkArray(size_t elements) const
{
    if (elements > m_limits.maxArrayElements)
        throw ScriptError(errors::OutOfMemory);
}

GlobalEntry &Interpreter::defineGlobal(std::u16string_view name, GlobalEntry::Kind kind)
{
    const std::u16string key = foldName(name);
    auto it = m_globalIndex.find(key);
    GlobalEntry *entry;
    if (it == m_globalIndex.end()) {
        m_globalIndex.emplace(key, m_globals.size());
        m_globals.push_back(std::make_unique<GlobalEntry>());
        entry = m_globals.back().get();
    } else {
        entry = m_globals[it->second].get();
    }
    entry->kind = kind;
    entry->name = std::u16string(name);
    entry->proc = nullptr;
    entry->builtin = nullptr;
    entry->hostFunction = nullptr;
    return *entry;
}

GlobalEntry *Interpreter::lookup(NameExpr &name)
{
    if (!name.cache) {
        auto it = m_globalIndex.find(name.key);
        if (it != m_globalIndex.end())
            name.cache = m_globals[it->second].get();
    }
    return name.cache;
}

void Interpreter::addObject(std::u16string_view name, std::shared_ptr<HostObject> object)
{
    defineGlobal(name, GlobalEntry::Kind::Object).value = Variant::object(std::move(object));
}

void Interpreter::addFunction(std::u16string_view name, HostFunction function)
{
    defineGlobal(name, GlobalEntry::Kind::HostFunction).hostFunction = std::move(function);
}

void Interpreter::prepare(Program &program)
{
    for (const auto &cls : program.classes)
        m_classes[cls->key] = cls.get();
    for (const auto &proc : program.procedures)
        defineGlobal(proc->name, GlobalEntry::Kind::Procedure).proc = proc.get();
    for (const std::u16string &name : program.globals) {
        auto it = m_globalIndex.find(foldName(name));
        if (it == m_globalIndex.end())
            defineGlobal(name, GlobalEntry::Kind::Variable);
        else if (m_globals[it->second]->kind != GlobalEntry::Kind::Variable &&
                 m_globals[it->second]->kind != GlobalEntry::Kind::Procedure)
            defineGlobal(name, GlobalEntry::Kind::Variable).value = Variant();
    }
}

void Interpreter::addCode(std::u16string_view source)
{
    guarded(*this, [&] {
        EntryGuard guard(*this);
        std::unique_ptr<Program> program = Parser(Lexer(source).tokenize()).parseProgram();
        prepare(*program);
        Program &code = *program;
        if (!code.procedures.empty() || !code.classes.empty())
            m_programs.push_back(std::move(program));
        Frame frame;
        frame.optionExplicit = code.optionExplicit;
        execBlock(code.body, frame);
    });
}

Variant Interpreter::eval(std::u16string_view expression)
{
    return guarded(*this, [&] {
        EntryGuard guard(*this);
        ExprPtr expr = Parser(Lexer(expression).tokenize()).parseLoneExpression();
        Frame frame;
        try {
            return eval(*expr, frame);
        } catch (ScriptError &error) {
            if (error.line() == 0)
                error.setPosition(expr->line, 0);
            throw;
        }
    });
}

Variant Interpreter::call(std::u16string_view procedure, std::vector<Variant> args)
{
    return guarded(*this, [&] {
        EntryGuard guard(*this);
        auto it = m_globalIndex.find(foldName(procedure));
        if (it == m_globalIndex.end())
            throw ScriptError(errors::SubNotDefined);
        GlobalEntry &entry = *m_globals[it->second];
        Arguments arguments;
        arguments.values = std::move(args);
        switch (entry.kind) {
        case GlobalEntry::Kind::Procedure: return callProcedure(*entry.proc, nullptr, arguments);
        case GlobalEntry::Kind::HostFunction: return entry.hostFunction(arguments.values);
        case GlobalEntry::Kind::Builtin:
            if (int(arguments.values.size()) < entry.builtin->minArgs ||
                int(arguments.values.size()) > entry.builtin->maxArgs)
                throw ScriptError(errors::WrongArguments);
            m_frame = nullptr;
            return entry.builtin->fn(*this, arguments.values);
        default: throw ScriptError(errors::SubNotDefined);
        }
    });
}

bool Interpreter::hasProcedure(std::u16string_view procedure) const
{
    auto it = m_globalIndex.find(foldName(procedure));
    return it != m_globalIndex.end() && m_globals[it->second]->kind == GlobalEntry::Kind::Procedure;
}

struct Interpreter::CallDepth
{
    explicit CallDepth(Interpreter &interp) : m_depth(interp.m_callDepth)
    {
        if (m_depth >= interp.m_limits.maxCallDepth)
            throw ScriptError(errors::OutOfStack);
        interp.checkStack();
        ++m_depth;
    }
    ~CallDepth() { --m_depth; }
    int &m_depth;
};

Frame Interpreter::scopeFrame(bool global) const
{
    Frame frame;
    if (!global && m_frame) {
        // Names new to the procedure become globals: its frame cannot grow.
        frame.slots = m_frame->slots;
        frame.me = m_frame->me;
        frame.optionExplicit = m_frame->optionExplicit;
    }
    return frame;
}

namespace {

// Code given to Execute and Eval fails at run time, where On Error can catch it.
template <typename Parse>
auto compileAtRunTime(Parse parse)
{
    try {
        return parse();
    } catch (ScriptError &error) {
        error.setCompileError(false);
        error.setPosition(0, 0);
        throw;
    }
}

} // namespace

void Interpreter::execute(std::u16string_view source, bool global)
{
    CallDepth depth(*this);
    Frame frame = scopeFrame(global);
    std::unique_ptr<Program> program = compileAtRunTime([&] {
        Parser parser(Lexer(source).tokenize());
        if (!global && m_frame)
            parser.setContext(m_frame->proc, m_frame->me ? &m_frame->me->classDef() : nullptr);
        return parser.parseProgram();
    });
    prepare(*program);
    const Program &code = *program;
    if (!code.procedures.empty() || !code.classes.empty())
        m_programs.push_back(std::move(program));
    frame.optionExplicit = frame.optionExplicit || code.optionExplicit;
    execBlock(code.body, frame);
}

Variant Interpreter::evaluate(std::u16string_view source)
{
    CallDepth depth(*this);
    Frame frame = scopeFrame(false);
    ExprPtr expr = compileAtRunTime([&] {
        Parser parser(Lexer(source).tokenize());
        if (m_frame)
            parser.setContext(m_frame->proc, m_frame->me ? &m_frame->me->classDef() : nullptr);
        return parser.parseLoneExpression();
    });
    return eval(*expr, frame);
}

const Procedure *Interpreter::findProcedure(std::u16string_view name) const
{
    auto it = m_globalIndex.find(foldName(name));
    if (it == m_globalIndex.end() || m_globals[it->second]->kind != GlobalEntry::Kind::Procedure)
        return nullptr;
    return m_globals[it->second]->proc;
}

Variant Interpreter::callReference(const Procedure &proc, std::span<Variant> args)
{
    return guarded(*this, [&] {
        EntryGuard guard(*this);
        Arguments arguments;
        arguments.values.assign(args.begin(), args.end());
        return callProcedure(proc, nullptr, arguments);
    });
}

Variant Interpreter::callProcedure(const Procedure &proc, std::shared_ptr<ClassInstance> me, Arguments &args)
{
    if (args.values.size() != proc.params.size())
        throw ScriptError(errors::WrongArguments);
    CallDepth depth(*this);
    Frame frame;
    frame.proc = &proc;
    frame.me = std::move(me);
    frame.storage.resize(size_t(proc.slotCount));
    frame.slots.resize(size_t(proc.slotCount));
    for (size_t i = 0; i < frame.slots.size(); ++i)
        frame.slots[i] = &frame.storage[i];
    for (size_t i = 0; i < proc.params.size(); ++i) {
        Variant *ref = i < args.refs.size() ? args.refs[i] : nullptr;
        if (ref && proc.params[i].byRef)
            frame.slots[i] = ref;
        else
            frame.storage[i] = ref ? *ref : std::move(args.values[i]);
    }
    execBlock(proc.body, frame);
    return proc.resultSlot >= 0 ? *frame.slots[size_t(proc.resultSlot)] : Variant();
}

Variant Interpreter::newObject(const NewExpr &expr)
{
    auto it = m_classes.find(expr.key);
    if (it == m_classes.end()) {
        if (expr.key == u"regexp")
            return Variant::object(std::make_shared<RegExpObject>(m_language));
        throw ScriptError(errors::ClassNotDefined);
    }
    const ClassDef &cls = *it->second;
    auto instance = ClassInstance::create(*this, cls, m_alive);
    for (size_t i = 0; i < cls.fields.size(); ++i) {
        const ClassDef::Field &field = cls.fields[i];
        if (!field.isArray)
            continue;
        auto array = std::make_shared<Array>();
        size_t total = 1;
        for (int32_t bound : field.bounds) {
            if (bound < -1)
                throw ScriptError(errors::SubscriptOutOfRange);
            total *= size_t(bound) + 1;
            checkArray(total);
            array->upper.push_back(bound);
        }
        array->fixed = !field.bounds.empty();
        array->data.resize(field.bounds.empty() ? 0 : total);
        instance->fields()[i] = Variant::array(std::move(array));
    }
    if (cls.initialize) {
        Arguments none;
        callProcedure(*cls.initialize, instance, none);
    }
    return Variant::object(std::move(instance));
}

Variant Interpreter::invokeFromHost(ClassInstance &instance, std::u16string_view key, Invoke kind,
                                    std::span<Variant> args)
{
    return guarded(*this, [&] {
        EntryGuard guard(*this);
        return invokeClass(instance, key, kind, args, {}, false);
    });
}

void Interpreter::runTerminate(const std::shared_ptr<ClassInstance> &instance)
{
    if (m_shuttingDown || !instance->classDef().terminate)
        return;
    try {
        EntryGuard guard(*this);
        Arguments none;
        callProcedure(*instance->classDef().terminate, instance, none);
    } catch (...) {
        // An error in Class_Terminate has nobody to report to.
    }
}

Variant Interpreter::invokeClass(ClassInstance &instance, std::u16string_view key, Invoke kind, std::span<Variant> args,
                                 std::span<Variant *> refs, bool internal)
{
    const ClassDef &cls = instance.classDef();
    std::u16string name(key.empty() ? std::u16string_view(cls.defaultKey) : key);
    if (name.empty())
        throw ScriptError(errors::NoSuchMember);
    if ((kind == Invoke::Let || kind == Invoke::Set) && args.empty())
        throw ScriptError(errors::WrongArguments);
    auto value = [&](size_t i) -> Variant { return i < refs.size() && refs[i] ? *refs[i] : args[i]; };
    auto field = cls.fieldIndex.find(name);
    if (field != cls.fieldIndex.end() && (internal || cls.fields[size_t(field->second)].isPublic)) {
        Variant &slot = instance.fields()[size_t(field->second)];
        Arguments indexArgs;
        const size_t count = (kind == Invoke::Let || kind == Invoke::Set) ? args.size() - 1 : args.size();
        for (size_t i = 0; i < count; ++i)
            indexArgs.values.push_back(value(i));
        if (kind == Invoke::Get || kind == Invoke::Call)
            return indexArgs.values.empty() ? slot : index(slot, indexArgs);
        Variant newValue = value(args.size() - 1);
        if (indexArgs.values.empty()) {
            slot = std::move(newValue);
            return {};
        }
        if (slot.isObject()) {
            indexArgs.values.push_back(std::move(newValue));
            return invoke(slot, u"", kind, indexArgs, false);
        }
        std::vector<int32_t> at;
        for (const Variant &v : indexArgs.values)
            at.push_back(conv::toLong(v));
        if (!slot.isArray())
            throw ScriptError(errors::TypeMismatch);
        const int64_t offset = slot.arrayValue()->offset(at.data(), at.size());
        if (offset < 0)
            throw ScriptError(errors::SubscriptOutOfRange);
        slot.mutableArray().data[size_t(offset)] = std::move(newValue);
        return {};
    }
    auto member = cls.members.find(name);
    if (member == cls.members.end())
        throw ScriptError(errors::NoSuchMember);
    const ClassDef::Member &m = member->second;
    const Procedure *proc = nullptr;
    switch (kind) {
    case Invoke::Get: proc = m.get ? m.get : m.method; break;
    case Invoke::Call: proc = m.method ? m.method : m.get; break;
    case Invoke::Let: proc = m.let; break;
    case Invoke::Set: proc = m.set; break;
    }
    if (!proc || (!proc->isPublic && !internal))
        throw ScriptError(errors::NoSuchMember);
    Arguments callArgs;
    callArgs.values.assign(args.begin(), args.end());
    callArgs.refs.assign(refs.begin(), refs.end());
    return callProcedure(*proc, instance.shared_from_this(), callArgs);
}

} // namespace vbs
