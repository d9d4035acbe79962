#include "vbscript/ScriptEngine.h"

#include "vbscript/Conversion.h"
#include "vbscript/Interpreter.h"

namespace vbs {

ScriptEngine::ScriptEngine() : m_interpreter(std::make_unique<Interpreter>()) {}
ScriptEngine::~ScriptEngine() = default;

void ScriptEngine::setHost(ScriptHost *host) { m_interpreter->setHost(host); }
void ScriptEngine::setLanguage(Language language) { m_interpreter->setLanguage(language); }
Language ScriptEngine::language() const { return m_interpreter->language(); }
void ScriptEngine::setLocale(const Locale &locale) { m_interpreter->setUserLocale(locale, locale.language()); }
void ScriptEngine::setLocale(const Locale &locale, Language messages)
{
    m_interpreter->setUserLocale(locale, messages);
}
const Locale &ScriptEngine::locale() const { return m_interpreter->locale(); }
Limits &ScriptEngine::limits() { return m_interpreter->limits(); }
std::atomic<bool> &ScriptEngine::interruptFlag() { return m_interpreter->interruptFlag(); }

void ScriptEngine::addObject(std::u16string_view name, std::shared_ptr<HostObject> object)
{
    m_interpreter->addObject(name, std::move(object));
}

void ScriptEngine::addFunction(std::u16string_view name, HostFunction function)
{
    m_interpreter->addFunction(name, std::move(function));
}

void ScriptEngine::addCode(std::u16string_view source) { m_interpreter->addCode(source); }
void ScriptEngine::run(std::u16string_view source) { m_interpreter->addCode(source); }
Variant ScriptEngine::eval(std::u16string_view expression) { return m_interpreter->eval(expression); }

Variant ScriptEngine::call(std::u16string_view procedure, std::vector<Variant> args)
{
    return m_interpreter->call(procedure, std::move(args));
}

bool ScriptEngine::hasProcedure(std::u16string_view procedure) const
{
    return m_interpreter->hasProcedure(procedure);
}

std::u16string ScriptEngine::toText(const Variant &value) const
{
    if (value.isNull())
        return u"Null";
    try {
        return conv::toString(value, m_interpreter->language());
    } catch (const ScriptError &) {
        return value.isObject() ? u"[object]" : u"";
    }
}

} // namespace vbs
