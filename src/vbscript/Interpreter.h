#pragma once

#include "vbscript/Ast.h"
#include "vbscript/Builtins.h"
#include "vbscript/Locale.h"
#include "vbscript/ScriptEngine.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vbs {

class ClassInstance;

struct GlobalEntry
{
    enum class Kind : uint8_t { Variable, Constant, Procedure, Object, HostFunction, Builtin };
    Kind kind = Kind::Variable;
    std::u16string name;
    Variant value;
    const Procedure *proc = nullptr;
    const BuiltinInfo *builtin = nullptr;
    HostFunction hostFunction;
};

struct Frame
{
    const Procedure *proc = nullptr;
    std::vector<Variant> storage;
    std::vector<Variant *> slots;
    std::shared_ptr<ClassInstance> me;
    std::vector<Variant> with;
    bool resumeNext = false;
    bool optionExplicit = false;
};

enum class Flow : uint8_t { Normal, ExitDo, ExitFor, ExitProcedure };

struct ErrState
{
    int number = 0;
    std::u16string description;
    std::u16string source;
    std::u16string helpFile;
    int32_t helpContext = 0;

    static ErrState of(const ScriptError &error)
    {
        return {error.number(), error.description(), error.source(), error.helpFile(), error.helpContext()};
    }
};

// An array element passed ByRef: the callee works on a copy that is stored back into
// the element when the call is over, wherever the array then stands.
struct ElementRef
{
    Variant value;
    Variant *array = nullptr;
    std::vector<int32_t> at;
};

// Arguments of a call: values, and for variables and array elements the place itself (ByRef).
struct Arguments
{
    Arguments() = default;
    Arguments(Arguments &&) = default;
    Arguments &operator=(Arguments &&) = default;
    ~Arguments();

    std::vector<Variant> values;
    std::vector<Variant *> refs;
    std::vector<std::unique_ptr<ElementRef>> elements;
};

// Runs compiled programs. The engine behind ScriptEngine.
class Interpreter
{
public:
    Interpreter();
    ~Interpreter();

    // ScriptEngine's API
    void setHost(ScriptHost *host) { m_host = host ? host : &m_defaultHost; }
    Language language() const { return m_language; }
    void setLanguage(Language language)
    {
        m_language = language;
        m_userLocale = m_locale = &Locale::standard(language);
    }
    void setUserLocale(const Locale &locale, Language language)
    {
        m_language = language;
        m_userLocale = m_locale = &locale;
    }
    const Locale &userLocale() const { return *m_userLocale; }
    const Locale &locale() const { return *m_locale; }
    void setLocale(const Locale &locale) { m_locale = &locale; }
    Limits &limits() { return m_limits; }
    std::atomic<bool> &interruptFlag() { return m_interrupt; }
    void addObject(std::u16string_view name, std::shared_ptr<HostObject> object);
    void addFunction(std::u16string_view name, HostFunction function);
    void addCode(std::u16string_view source);
    Variant eval(std::u16string_view expression);
    Variant call(std::u16string_view procedure, std::vector<Variant> args);
    bool hasProcedure(std::u16string_view procedure) const;

    // For built-ins and objects
    ScriptHost &host() { return *m_host; }
    void checkString(size_t length) const;
    void checkArray(size_t elements) const;
    uint32_t &rndSeed() { return m_rndSeed; }
    ErrState &err() { return m_err; }
    Variant invokeClass(ClassInstance &instance, std::u16string_view key, Invoke kind, std::span<Variant> args,
                        std::span<Variant *> refs, bool internal);
    Variant invokeFromHost(ClassInstance &instance, std::u16string_view key, Invoke kind, std::span<Variant> args);
    void runTerminate(const std::shared_ptr<ClassInstance> &instance);
    // Execute (the calling statement's scope), ExecuteGlobal and Eval.
    void execute(std::u16string_view source, bool global);
    Variant evaluate(std::u16string_view source);
    // GetRef: global procedures, and calls through the reference.
    const Procedure *findProcedure(std::u16string_view name) const;
    Variant callReference(const Procedure &proc, std::span<Variant> args);
    std::weak_ptr<bool> aliveToken() const { return m_alive; }
    void describe(ScriptError &error) const;
    // Live script objects, so that reference cycles are broken when the engine goes.
    std::unordered_set<ClassInstance *> &instances() { return m_instances; }

private:
    struct EntryGuard;

    GlobalEntry &defineGlobal(std::u16string_view name, GlobalEntry::Kind kind);
    GlobalEntry *lookup(NameExpr &name);
    void prepare(Program &program);
    Frame scopeFrame(bool global) const;
    struct CallDepth;

    // statements
    Flow execBlock(const Block &block, Frame &frame);
    Flow exec(const Stmt &stmt, Frame &frame);
    Flow execFor(const ForStmt &stmt, Frame &frame);
    Flow execForEach(const ForEachStmt &stmt, Frame &frame);
    Flow execDo(const DoStmt &stmt, Frame &frame);
    Flow execIf(const IfStmt &stmt, Frame &frame);
    Flow execSelect(const SelectStmt &stmt, Frame &frame);
    void execDim(const DimStmt &stmt, Frame &frame);
    void execReDim(const ReDimStmt &stmt, Frame &frame);
    void execConst(const ConstStmt &stmt, Frame &frame);
    void execAssign(const AssignStmt &stmt, Frame &frame);
    void execCall(const CallStmt &stmt, Frame &frame);
    void step();
    void checkStack() const;
    void handle(ScriptError &error, const Stmt &stmt, Frame &frame);

    // expressions
    Variant eval(const Expr &expr, Frame &frame);
    Variant evalName(NameExpr &name, Frame &frame);
    Variant evalIndex(const IndexExpr &expr, Frame &frame, bool asStatement);
    Variant evalMember(const MemberExpr &expr, Frame &frame, Invoke kind, Arguments *args,
                       const std::vector<ExprPtr> *argExprs = nullptr);
    Variant objectOf(const Expr *expr, Frame &frame);
    bool condition(const Expr &expr, Frame &frame);
    Variant *variable(NameExpr &name, Frame &frame, bool create);
    Arguments evalArgs(const std::vector<ExprPtr> &args, Frame &frame, bool byRef);
    Variant *elementRef(const IndexExpr &expr, Frame &frame, Arguments &args);
    void assign(const Expr &target, Variant value, bool isSet, Frame &frame);
    Variant invoke(const Variant &object, std::u16string_view key, Invoke kind, Arguments &args, bool internal);
    Variant index(const Variant &value, Arguments &args);
    Variant callProcedure(const Procedure &proc, std::shared_ptr<ClassInstance> me, Arguments &args);
    Variant callGlobal(GlobalEntry &entry, const std::vector<ExprPtr> &argExprs, Frame &frame, bool asStatement);
    Variant newObject(const NewExpr &expr);
    Variant letValue(Variant value);

    std::vector<std::unique_ptr<GlobalEntry>> m_globals;
    std::unordered_map<std::u16string, size_t> m_globalIndex;
    std::unordered_map<std::u16string, const ClassDef *> m_classes;
    std::vector<std::unique_ptr<Program>> m_programs;
    ScriptHost m_defaultHost;
    ScriptHost *m_host = &m_defaultHost;
    Language m_language = Language::English;
    const Locale *m_locale = &Locale::standard(Language::English);
    const Locale *m_userLocale = m_locale;
    Limits m_limits;
    std::atomic<bool> m_interrupt{false};
    uint64_t m_steps = 0;
    int m_entryDepth = 0;
    int m_callDepth = 0;
    uintptr_t m_stackBase = 0;
    uint32_t m_rndSeed = 0x50000;
    ErrState m_err;
    Frame *m_frame = nullptr; // of the statement calling a built-in
    std::shared_ptr<bool> m_alive;
    bool m_shuttingDown = false;
    std::unordered_set<ClassInstance *> m_instances;
};

} // namespace vbs
