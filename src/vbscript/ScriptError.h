#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vbs {

enum class Language { English, French };

// A compile or run-time error with the language's error number. The description is
// filled in the host's language when the error leaves the engine (unless the script
// gave its own with Err.Raise).
class ScriptError : public std::exception
{
public:
    explicit ScriptError(int number, std::u16string description = {}, std::u16string source = {});

    int number() const { return m_number; }
    const std::u16string &description() const { return m_description; }
    const std::u16string &source() const { return m_source; }
    int line() const { return m_line; }   // 1-based; 0 when unknown
    int column() const { return m_column; }
    bool isCompileError() const { return m_compile; }
    // Interruptions and exhausted step budgets cannot be caught by On Error Resume Next.
    bool isFatal() const { return m_fatal; }
    // The failing function leaves Empty in the variable it was assigned to (x = FormatNumber(Null)).
    bool emptiesTarget() const { return m_emptiesTarget; }
    // Set by Err.Raise.
    const std::u16string &helpFile() const { return m_helpFile; }
    int32_t helpContext() const { return m_helpContext; }

    void setDescription(std::u16string description) { m_description = std::move(description); }
    void setSource(std::u16string source) { m_source = std::move(source); }
    void setPosition(int line, int column) { m_line = line, m_column = column; }
    void setCompileError(bool compile) { m_compile = compile; }
    void setFatal(bool fatal) { m_fatal = fatal; }
    void setEmptiesTarget(bool empties) { m_emptiesTarget = empties; }
    void setHelp(std::u16string file, int32_t context) { m_helpFile = std::move(file), m_helpContext = context; }

    const char *what() const noexcept override { return "script error"; }

private:
    int m_number;
    std::u16string m_description;
    std::u16string m_source;
    std::u16string m_helpFile;
    int32_t m_helpContext = 0;
    int m_line = 0;
    int m_column = 0;
    bool m_compile = false;
    bool m_fatal = false;
    bool m_emptiesTarget = false;
};

} // namespace vbs
