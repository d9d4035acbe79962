#include "vbscript/Regex.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/Operators.h"
#include "vbscript/ScriptError.h"

#include <algorithm>
#include <memory>

namespace vbs {

namespace {

constexpr size_t kMaxProgram = 200000;
constexpr int kMaxNesting = 200;
constexpr uint64_t kMaxSteps = 50000000; // a runaway pattern fails instead of freezing the menu

bool isWordChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

bool isLineEnd(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

using Ranges = std::vector<std::pair<char16_t, char16_t>>;

void addDigits(Ranges &r) { r.push_back({u'0', u'9'}); }

void addWord(Ranges &r)
{
    r.push_back({u'a', u'z'});
    r.push_back({u'A', u'Z'});
    r.push_back({u'0', u'9'});
    r.push_back({u'_', u'_'});
}

void addSpace(Ranges &r)
{
    for (char16_t c : {u' ', u'\t', u'\n', u'\v', u'\f', u'\r', char16_t(0xA0), char16_t(0xFEFF)})
        r.push_back({c, c});
    r.push_back({0x2000, 0x200A});
    r.push_back({0x2028, 0x2029});
}

// The complement of a set of ranges.
Ranges complement(Ranges in)
{
    std::sort(in.begin(), in.end());
    Ranges out;
    uint32_t next = 0;
    for (auto [low, high] : in) {
        if (low > next)
            out.push_back({char16_t(next), char16_t(low - 1)});
        next = std::max<uint32_t>(next, uint32_t(high) + 1);
    }
    if (next <= 0xFFFF)
        out.push_back({char16_t(next), 0xFFFF});
    return out;
}

} // namespace

struct Regex::Node
{
    enum class Kind { Empty, Char, Any, Class, LineStart, LineEnd, WordBoundary, NotWordBoundary, BackRef, Group, Look, Seq, Alt, Repeat };
    Kind kind = Kind::Empty;
    char16_t ch = 0;
    int index = -1; // class, capture group (-1: not capturing) or back reference
    bool negative = false;
    int min = 1, max = 1; // max -1: no limit
    bool greedy = true;
    std::vector<std::unique_ptr<Node>> children;
};

class Regex::Compiler
{
public:
    Compiler(Regex &regex, std::u16string_view pattern) : m_regex(regex), m_pattern(pattern) {}

    void compile()
    {
        countGroups();
        std::unique_ptr<Node> root = parseAlternatives(0);
        if (m_pos < m_pattern.size()) // a ')' without its '('
            throw ScriptError(5017);
        m_regex.m_registers = 2 * (m_regex.m_groups + 1);
        emit({Code::Save, false, 0, 0});
        generate(*root);
        emit({Code::Save, false, 0, 1});
        emit({Code::Match});
        size_t pc = 0;
        while (m_regex.m_program[pc].code == Code::Save)
            ++pc;
        const Instr &first = m_regex.m_program[pc];
        if (first.code == Code::Char || first.code == Code::Class)
            m_regex.m_firstTest = int(pc);
        if (first.code == Code::Char && !m_regex.m_ignoreCase)
            m_regex.m_literalStart = first.ch;
    }

private:
    using Kind = Node::Kind;

    bool more() const { return m_pos < m_pattern.size(); }
    char16_t peek() const { return m_pattern[m_pos]; }

    void countGroups()
    {
        bool inClass = false;
        for (size_t i = 0; i < m_pattern.size(); ++i) {
            const char16_t c = m_pattern[i];
            if (c == u'\\')
                ++i;
            else if (c == u'[')
                inClass = true;
            else if (c == u']')
                inClass = false;
            else if (c == u'(' && !inClass && (i + 1 >= m_pattern.size() || m_pattern[i + 1] != u'?'))
                ++m_totalGroups;
        }
    }

    static std::unique_ptr<Node> node(Kind kind)
    {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        return n;
    }

    std::unique_ptr<Node> parseAlternatives(int depth)
    {
        if (depth > kMaxNesting)
            throw ScriptError(5017);
        auto alt = node(Kind::Alt);
        alt->children.push_back(parseSequence(depth));
        while (more() && peek() == u'|') {
            ++m_pos;
            alt->children.push_back(parseSequence(depth));
        }
        if (alt->children.size() == 1)
            return std::move(alt->children[0]);
        return alt;
    }

    std::unique_ptr<Node> parseSequence(int depth)
    {
        auto seq = node(Kind::Seq);
        while (more() && peek() != u'|' && peek() != u')') {
            std::unique_ptr<Node> atom = parseAtom(depth);
            atom = parseQuantifier(std::move(atom));
            seq->children.push_back(std::move(atom));
        }
        return seq;
    }

    // {n}, {n,} or {n,m} at m_pos; false (and m_pos unchanged) when the brace is a plain character.
    bool readBraces(int &min, int &max)
    {
        size_t i = m_pos + 1;
        auto number = [&](int &value) {
            const size_t start = i;
            int64_t v = 0;
            while (i < m_pattern.size() && m_pattern[i] >= u'0' && m_pattern[i] <= u'9') {
                v = std::min<int64_t>(v * 10 + (m_pattern[i] - u'0'), 1 << 20);
                ++i;
            }
            value = int(v);
            return i > start;
        };
        if (!number(min))
            return false;
        max = min;
        if (i < m_pattern.size() && m_pattern[i] == u',') {
            ++i;
            if (!number(max))
                max = -1;
        }
        if (i >= m_pattern.size() || m_pattern[i] != u'}')
            return false;
        if (max != -1 && max < min)
            throw ScriptError(5017);
        m_pos = i + 1;
        return true;
    }

    bool atQuantifier()
    {
        if (!more())
            return false;
        const char16_t c = peek();
        if (c == u'*' || c == u'+' || c == u'?')
            return true;
        int min, max;
        const size_t saved = m_pos;
        if (c == u'{' && readBraces(min, max)) {
            m_pos = saved;
            return true;
        }
        return false;
    }

    std::unique_ptr<Node> parseQuantifier(std::unique_ptr<Node> atom)
    {
        if (!atQuantifier())
            return atom;
        int min = 0, max = -1;
        const char16_t c = peek();
        if (c == u'{') {
            readBraces(min, max);
        } else {
            ++m_pos;
            if (c == u'+')
                min = 1;
            else if (c == u'?')
                max = 1;
        }
        const Kind kind = atom->kind;
        if (kind == Kind::LineStart || kind == Kind::LineEnd || kind == Kind::WordBoundary ||
            kind == Kind::NotWordBoundary || kind == Kind::Look)
            throw ScriptError(5018);
        auto repeat = node(Kind::Repeat);
        repeat->min = min;
        repeat->max = max;
        if (more() && peek() == u'?') {
            ++m_pos;
            repeat->greedy = false;
        }
        repeat->children.push_back(std::move(atom));
        if (atQuantifier())
            throw ScriptError(5018);
        return repeat;
    }

    std::unique_ptr<Node> parseAtom(int depth)
    {
        const char16_t c = peek();
        if (atQuantifier())
            throw ScriptError(5018);
        ++m_pos;
        switch (c) {
        case u'.': return node(Kind::Any);
        case u'^': return node(Kind::LineStart);
        case u'$': return node(Kind::LineEnd);
        case u'[': return parseClass();
        case u'(': {
            std::unique_ptr<Node> group = node(Kind::Group);
            if (more() && peek() == u'?') {
                if (m_pos + 1 >= m_pattern.size())
                    throw ScriptError(5017);
                const char16_t kind = m_pattern[m_pos + 1];
                if (kind == u'=' || kind == u'!') {
                    group->kind = Kind::Look;
                    group->negative = kind == u'!';
                } else if (kind != u':') {
                    throw ScriptError(5017);
                }
                m_pos += 2;
            } else {
                group->index = ++m_regex.m_groups;
            }
            group->children.push_back(parseAlternatives(depth + 1));
            if (!more() || peek() != u')')
                throw ScriptError(5020);
            ++m_pos;
            return group;
        }
        case u'\\': return parseEscape();
        default: {
            auto literal = node(Kind::Char);
            literal->ch = c;
            return literal;
        }
        }
    }

    std::unique_ptr<Node> classNode(Ranges ranges, bool negated)
    {
        CharClass cls;
        cls.ranges = std::move(ranges);
        cls.negated = negated;
        m_regex.m_classes.push_back(std::move(cls));
        auto n = node(Kind::Class);
        n->index = int(m_regex.m_classes.size()) - 1;
        return n;
    }

    // The character of an escape that stands for one character (after the backslash).
    char16_t escapedChar(char16_t c)
    {
        switch (c) {
        case u'n': return u'\n';
        case u'r': return u'\r';
        case u't': return u'\t';
        case u'f': return u'\f';
        case u'v': return u'\v';
        case u'0': return 0;
        case u'c':
            if (more() && ((peek() >= u'a' && peek() <= u'z') || (peek() >= u'A' && peek() <= u'Z')))
                return char16_t(m_pattern[m_pos++] % 32);
            return u'c';
        case u'x':
        case u'u': {
            const size_t digits = c == u'x' ? 2 : 4;
            if (m_pos + digits > m_pattern.size())
                return c;
            int value = 0;
            for (size_t i = 0; i < digits; ++i) {
                const int h = hexValue(m_pattern[m_pos + i]);
                if (h < 0)
                    return c;
                value = value * 16 + h;
            }
            m_pos += digits;
            return char16_t(value);
        }
        default: return c;
        }
    }

    // \d \D \w \W \s \S as ranges; false for other escapes.
    static bool classEscape(char16_t c, Ranges &ranges)
    {
        Ranges set;
        switch (c) {
        case u'd':
        case u'D': addDigits(set); break;
        case u'w':
        case u'W': addWord(set); break;
        case u's':
        case u'S': addSpace(set); break;
        default: return false;
        }
        if (c >= u'A' && c <= u'Z')
            set = complement(std::move(set));
        ranges.insert(ranges.end(), set.begin(), set.end());
        return true;
    }

    std::unique_ptr<Node> parseEscape()
    {
        if (!more())
            throw ScriptError(5017);
        const char16_t c = m_pattern[m_pos++];
        Ranges ranges;
        if (classEscape(c, ranges))
            return classNode(std::move(ranges), false);
        if (c == u'b')
            return node(Kind::WordBoundary);
        if (c == u'B')
            return node(Kind::NotWordBoundary);
        if (c >= u'1' && c <= u'9') {
            int n = c - u'0';
            if (more() && peek() >= u'0' && peek() <= u'9' && n * 10 + (peek() - u'0') <= m_totalGroups)
                n = n * 10 + (m_pattern[m_pos++] - u'0');
            if (n <= m_totalGroups) {
                auto ref = node(Kind::BackRef);
                ref->index = n;
                return ref;
            }
            // Not a group: an octal character code, as the language reads it.
            int value = c - u'0';
            while (value < 32 && more() && peek() >= u'0' && peek() <= u'7')
                value = value * 8 + (m_pattern[m_pos++] - u'0');
            auto literal = node(Kind::Char);
            literal->ch = c >= u'8' ? c : char16_t(value);
            return literal;
        }
        auto literal = node(Kind::Char);
        literal->ch = escapedChar(c);
        return literal;
    }

    std::unique_ptr<Node> parseClass()
    {
        bool negated = false;
        if (more() && peek() == u'^') {
            negated = true;
            ++m_pos;
        }
        Ranges ranges;
        // One member: a character (true) or a class escape added to ranges (false).
        auto member = [&](char16_t &out) {
            char16_t c = m_pattern[m_pos++];
            if (c != u'\\')
                return (out = c), true;
            if (!more())
                throw ScriptError(5019);
            c = m_pattern[m_pos++];
            if (classEscape(c, ranges))
                return false;
            out = c == u'b' ? u'\b' : escapedChar(c);
            return true;
        };
        while (true) {
            if (!more())
                throw ScriptError(5019);
            if (peek() == u']') {
                ++m_pos;
                break;
            }
            char16_t low;
            if (!member(low))
                continue;
            if (m_pos + 1 < m_pattern.size() && peek() == u'-' && m_pattern[m_pos + 1] != u']') {
                ++m_pos;
                char16_t high;
                if (!member(high)) {
                    ranges.push_back({low, low});
                    ranges.push_back({u'-', u'-'});
                    continue;
                }
                if (high < low)
                    throw ScriptError(5021);
                ranges.push_back({low, high});
            } else {
                ranges.push_back({low, low});
            }
        }
        return classNode(std::move(ranges), negated);
    }

    int emit(Instr instr)
    {
        if (m_regex.m_program.size() >= kMaxProgram)
            throw ScriptError(5017);
        m_regex.m_program.push_back(instr);
        return int(m_regex.m_program.size()) - 1;
    }
    int here() const { return int(m_regex.m_program.size()); }
    Instr &at(int pc) { return m_regex.m_program[size_t(pc)]; }

    static bool singleChar(const Node &n) { return n.kind == Kind::Char || n.kind == Kind::Any || n.kind == Kind::Class; }

    void generate(const Node &n)
    {
        switch (n.kind) {
        case Kind::Empty: break;
        case Kind::Char: emit({Code::Char, false, n.ch}); break;
        case Kind::Any: emit({Code::Any}); break;
        case Kind::Class: emit({Code::Class, false, 0, n.index}); break;
        case Kind::LineStart: emit({Code::LineStart}); break;
        case Kind::LineEnd: emit({Code::LineEnd}); break;
        case Kind::WordBoundary: emit({Code::WordBoundary}); break;
        case Kind::NotWordBoundary: emit({Code::NotWordBoundary}); break;
        case Kind::BackRef: emit({Code::BackRef, false, 0, n.index}); break;
        case Kind::Seq:
            for (const auto &child : n.children)
                generate(*child);
            break;
        case Kind::Group:
            if (n.index >= 0)
                emit({Code::Save, false, 0, 2 * n.index});
            generate(*n.children[0]);
            if (n.index >= 0)
                emit({Code::Save, false, 0, 2 * n.index + 1});
            break;
        case Kind::Look: {
            const int look = emit({Code::Look, n.negative});
            generate(*n.children[0]);
            emit({Code::Match});
            at(look).a = here();
            break;
        }
        case Kind::Alt: {
            std::vector<int> jumps;
            for (size_t i = 0; i < n.children.size(); ++i) {
                int split = -1;
                if (i + 1 < n.children.size())
                    split = emit({Code::Split});
                if (split >= 0)
                    at(split).a = here();
                generate(*n.children[i]);
                if (split >= 0) {
                    jumps.push_back(emit({Code::Jump}));
                    at(split).b = here();
                }
            }
            for (int jump : jumps)
                at(jump).a = here();
            break;
        }
        case Kind::Repeat: generateRepeat(n); break;
        }
    }

    void generateRepeat(const Node &n)
    {
        const Node &body = *n.children[0];
        for (int i = 0; i < n.min; ++i)
            generate(body);
        if (n.max == -1) {
            const int split = emit({Code::Split, !n.greedy});
            at(split).a = here();
            const bool guard = !singleChar(body);
            const int reg = guard ? m_regex.m_registers + m_marks++ : 0;
            if (guard)
                emit({Code::Mark, false, 0, reg});
            generate(body);
            if (guard)
                emit({Code::Progress, false, 0, reg});
            emit({Code::Jump, false, 0, split});
            at(split).b = here();
            return;
        }
        std::vector<int> splits;
        for (int i = n.min; i < n.max; ++i) {
            const int split = emit({Code::Split, !n.greedy});
            at(split).a = here();
            splits.push_back(split);
            generate(body);
        }
        for (int split : splits)
            at(split).b = here();
    }

public:
    int m_marks = 0;

private:
    Regex &m_regex;
    std::u16string_view m_pattern;
    size_t m_pos = 0;
    int m_totalGroups = 0;
};

Regex::Regex(std::u16string_view pattern, bool ignoreCase, bool multiline)
    : m_ignoreCase(ignoreCase), m_multiline(multiline)
{
    Compiler compiler(*this, pattern);
    compiler.compile();
    m_registers += compiler.m_marks;
}

bool Regex::CharClass::contains(char16_t c, bool ignoreCase) const
{
    auto in = [&](char16_t x) {
        for (auto [low, high] : ranges)
            if (x >= low && x <= high)
                return true;
        return false;
    };
    bool found = in(c);
    if (!found && ignoreCase)
        found = in(ops::lower(c)) || in(ops::upper(c));
    return found != negated;
}

bool Regex::sameChar(char16_t a, char16_t b) const
{
    return a == b || (m_ignoreCase && ops::lower(a) == ops::lower(b));
}

bool Regex::run(std::u16string_view text, int startPc, size_t start, std::vector<int> &regs, size_t &end,
               std::vector<Entry> &stack) const
{
    stack.clear();
    stack.push_back({startPc, 0, int(start)});
    uint64_t steps = 0;
    const size_t size = text.size();
    auto setRegister = [&](int slot, int value) {
        stack.push_back({-1, slot, regs[size_t(slot)]});
        regs[size_t(slot)] = value;
    };
    while (!stack.empty()) {
        const Entry entry = stack.back();
        stack.pop_back();
        if (entry.pc < 0) {
            regs[size_t(entry.slot)] = entry.value;
            continue;
        }
        int pc = entry.pc;
        size_t pos = size_t(entry.value);
        bool alive = true;
        while (alive) {
            if (++steps > kMaxSteps)
                throw ScriptError(errors::OutOfStack);
            const Instr &in = m_program[size_t(pc)];
            switch (in.code) {
            case Code::Char:
                alive = pos < size && sameChar(text[pos], in.ch);
                ++pos, ++pc;
                break;
            case Code::Any:
                alive = pos < size && text[pos] != u'\n';
                ++pos, ++pc;
                break;
            case Code::Class:
                alive = pos < size && m_classes[size_t(in.a)].contains(text[pos], m_ignoreCase);
                ++pos, ++pc;
                break;
            case Code::Split:
                if (in.flag) {
                    stack.push_back({in.a, 0, int(pos)});
                    pc = in.b;
                } else {
                    stack.push_back({in.b, 0, int(pos)});
                    pc = in.a;
                }
                break;
            case Code::Jump: pc = in.a; break;
            case Code::Save:
            case Code::Mark:
                setRegister(in.a, int(pos));
                ++pc;
                break;
            case Code::Progress:
                alive = regs[size_t(in.a)] != int(pos);
                ++pc;
                break;
            case Code::LineStart:
                alive = pos == 0 || (m_multiline && isLineEnd(text[pos - 1]));
                ++pc;
                break;
            case Code::LineEnd:
                alive = pos == size || (m_multiline && isLineEnd(text[pos]));
                ++pc;
                break;
            case Code::WordBoundary:
            case Code::NotWordBoundary: {
                const bool before = pos > 0 && isWordChar(text[pos - 1]);
                const bool after = pos < size && isWordChar(text[pos]);
                alive = (before != after) == (in.code == Code::WordBoundary);
                ++pc;
                break;
            }
            case Code::BackRef: {
                const int from = regs[size_t(2 * in.a)], to = regs[size_t(2 * in.a + 1)];
                if (from >= 0 && to >= from) {
                    const size_t length = size_t(to - from);
                    alive = pos + length <= size;
                    for (size_t i = 0; alive && i < length; ++i)
                        alive = sameChar(text[pos + i], text[size_t(from) + i]);
                    pos += length;
                }
                ++pc;
                break;
            }
            case Code::Look: {
                std::vector<int> inner = regs;
                std::vector<Entry> innerStack;
                size_t ignored;
                const bool found = run(text, pc + 1, pos, inner, ignored, innerStack);
                alive = found != in.flag;
                if (alive && found)
                    for (size_t i = 0; i < regs.size(); ++i)
                        if (inner[i] != regs[i])
                            setRegister(int(i), inner[i]);
                pc = in.a;
                break;
            }
            case Code::Match: end = pos; return true;
            }
        }
    }
    return false;
}

bool Regex::search(std::u16string_view text, size_t from, std::vector<int> &captures) const
{
    std::vector<int> regs(static_cast<size_t>(m_registers));
    std::vector<Entry> stack;
    for (size_t start = from; start <= text.size(); ++start) {
        if (m_literalStart >= 0) {
            const size_t next = text.find(char16_t(m_literalStart), start);
            if (next == std::u16string_view::npos)
                return false;
            start = next;
        } else if (m_firstTest >= 0) {
            const Instr &test = m_program[size_t(m_firstTest)];
            while (start < text.size() && !(test.code == Code::Char ? sameChar(text[start], test.ch)
                                                                    : m_classes[size_t(test.a)].contains(text[start], m_ignoreCase)))
                ++start;
            if (start == text.size())
                return false;
        }
        std::fill(regs.begin(), regs.end(), -1);
        size_t end;
        if (run(text, 0, start, regs, end, stack)) {
            captures.assign(regs.begin(), regs.begin() + 2 * (m_groups + 1));
            return true;
        }
    }
    return false;
}

} // namespace vbs
