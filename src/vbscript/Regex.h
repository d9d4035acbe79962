#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

// The regular expressions of the RegExp object: alternation, groups (capturing, (?:),
// (?=), (?!)), classes with ranges, . ^ $ \b \B, \d \w \s and their negations, \xHH,
// \uHHHH, \cX, back references, greedy and lazy quantifiers. Compiled to a small
// backtracking program that runs without native recursion, so long texts are safe.
// A bad pattern throws ScriptError 5017 to 5021.
class Regex
{
public:
    Regex(std::u16string_view pattern, bool ignoreCase, bool multiline);

    int groupCount() const { return m_groups; }
    // The first match at or after `from`; captures gets a start and an end per group
    // (group 0 is the whole match), -1 for a group that took no part.
    bool search(std::u16string_view text, size_t from, std::vector<int> &captures) const;

private:
    enum class Code : uint8_t {
        Char, Any, Class, Split, Jump, Save, LineStart, LineEnd, WordBoundary, NotWordBoundary,
        BackRef, Mark, Progress, Look, Match,
    };
    struct Instr
    {
        Code code;
        bool flag = false; // Split: prefer the second branch; Look: negative
        char16_t ch = 0;
        int a = 0, b = 0; // targets, slots or class index
    };
    struct CharClass
    {
        std::vector<std::pair<char16_t, char16_t>> ranges;
        bool negated = false;
        bool contains(char16_t c, bool ignoreCase) const;
    };
    struct Node;
    class Compiler;

    // A choice point to come back to, or (pc -1) the old value of a register to restore.
    struct Entry
    {
        int pc;
        int slot;
        int value;
    };
    bool run(std::u16string_view text, int pc, size_t start, std::vector<int> &regs, size_t &end,
             std::vector<Entry> &stack) const;
    bool sameChar(char16_t a, char16_t b) const;

    std::vector<Instr> m_program;
    std::vector<CharClass> m_classes;
    int m_groups = 0;
    int m_registers = 0;
    bool m_ignoreCase = false;
    bool m_multiline = false;
    int m_literalStart = -1; // the character every match starts with, when there is one
    int m_firstTest = -1;    // the Char or Class instruction every match starts with
};

} // namespace vbs
