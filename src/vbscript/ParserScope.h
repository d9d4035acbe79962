#pragma once

#include "vbscript/Parser.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

// The names of the procedure being parsed, resolved once its end is reached.
struct Parser::Scope
{
    Procedure *proc = nullptr;
    ClassDef *cls = nullptr;
    std::unordered_map<std::u16string, int> locals;
    std::vector<NameExpr *> names;
};

// Bounds the parser's recursion, so that hostile nesting fails cleanly.
struct DepthGuard
{
    explicit DepthGuard(Parser &parser) : m_parser(parser) { m_parser.enter(); }
    ~DepthGuard() { --m_parser.m_depth; }
    Parser &m_parser;
};

} // namespace vbs
