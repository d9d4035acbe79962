#pragma once

#include "vbscript/HostObject.h"
#include "vbscript/Locale.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptHost.h"
#include "vbscript/Variant.h"

#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class Interpreter;

struct Limits
{
    uint64_t maxSteps = 0;                 // statements and loop turns per top-level call; 0 = no limit
    size_t maxStringLength = 64u << 20;    // characters; beyond: error 7
    size_t maxArrayElements = 16u << 20;   // elements of one array; beyond: error 7
    int maxCallDepth = 1000;               // nested procedure calls; beyond: error 28
    size_t maxStackBytes = 512u << 10;     // native stack the engine may use (about 2 KB per nested call); beyond: error 28
};

using HostFunction = std::function<Variant(std::span<Variant> args)>;

// An embeddable interpreter of the VBScript language. Every method that runs script
// throws ScriptError (with number, description in the chosen language and line) when
// the script fails; the engine stays usable afterwards. Re-entrant: host callbacks may
// call back in.
class ScriptEngine
{
public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine &) = delete;
    ScriptEngine &operator=(const ScriptEngine &) = delete;

    void setHost(ScriptHost *host); // not owned; null: dialogs answer OK and empty text
    void setLanguage(Language language); // messages; the locale becomes the language's standard one
    Language language() const;
    // The user's locale (Locale::nearest, Locale::fromEnvironment): the script's starting
    // locale, the one SetLocale 0 returns to, and the language of messages with it.
    void setLocale(const Locale &locale);
    // The same, with messages in another language than the locale's.
    void setLocale(const Locale &locale, Language messages);
    const Locale &locale() const; // the current one, as SetLocale left it
    Limits &limits();
    // Set from any thread (a timer, a Stop button) to stop the running script with error 18.
    std::atomic<bool> &interruptFlag();

    void addObject(std::u16string_view name, std::shared_ptr<HostObject> object);
    void addFunction(std::u16string_view name, HostFunction function);

    // Compiles and runs module-level code; its procedures, classes and variables stay
    // visible to later code.
    void addCode(std::u16string_view source);
    void run(std::u16string_view source);
    Variant eval(std::u16string_view expression);
    Variant call(std::u16string_view procedure, std::vector<Variant> args = {});
    bool hasProcedure(std::u16string_view procedure) const;

    // Converts a value to text as the script would (CStr), without raising on Null.
    std::u16string toText(const Variant &value) const;

private:
    std::unique_ptr<Interpreter> m_interpreter;
};

} // namespace vbs
