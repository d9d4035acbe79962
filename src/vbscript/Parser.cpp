#include "vbscript/Parser.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ParserScope.h"
#include "vbscript/ScriptError.h"

namespace vbs {

namespace {

constexpr int kMaxDepth = 80;

} // namespace

Parser::Parser(std::vector<Token> tokens) : m_tokens(std::move(tokens))
{
    if (m_tokens.empty() || m_tokens.back().kind != Tok::End) {
        Token end;
        end.kind = Tok::End;
        m_tokens.push_back(end);
    }
}

Parser::~Parser() = default;

void Parser::enter()
{
    if (++m_depth > kMaxDepth) {
        --m_depth;
        fail(errors::OutOfStack);
    }
}

const Token &Parser::ahead(size_t n) const
{
    return m_tokens[std::min(m_pos + n, m_tokens.size() - 1)];
}

bool Parser::accept(Tok kind)
{
    if (!at(kind))
        return false;
    if (kind != Tok::End)
        ++m_pos;
    return true;
}

void Parser::expect(Tok kind, int error)
{
    if (!accept(kind))
        fail(error);
}

void Parser::fail(int error) const
{
    ScriptError e(error);
    e.setCompileError(true);
    e.setPosition(cur().line, cur().column);
    throw e;
}

void Parser::skipNewlines()
{
    while (at(Tok::Newline))
        ++m_pos;
}

bool Parser::isStatementEnd(const Token &token) const
{
    return token.kind == Tok::Newline || token.kind == Tok::End || token.kind == Tok::EndKw ||
           (m_singleLineIf > 0 && token.kind == Tok::Else);
}

void Parser::endStatement()
{
    // The Windows engine lets a block end follow the last statement on its line.
    if (at(Tok::End) || at(Tok::EndKw))
        return;
    if (!at(Tok::Newline))
        fail(errors::ExpectedEndOfStatement);
    ++m_pos;
}

const Token &Parser::identifier()
{
    if (!at(Tok::Identifier))
        fail(errors::ExpectedIdentifier);
    return m_tokens[m_pos++];
}

std::unique_ptr<NameExpr> Parser::makeName(const Token &token)
{
    auto name = std::make_unique<NameExpr>();
    name->name = token.text;
    name->key = token.key;
    name->line = token.line;
    if (std::vector<NameExpr *> *names = nameList())
        names->push_back(name.get());
    return name;
}

std::vector<NameExpr *> *Parser::nameList()
{
    if (m_scope)
        return &m_scope->names;
    if (m_contextProc || m_contextClass)
        return &m_contextNames;
    return nullptr;
}

void Parser::setContext(const Procedure *proc, const ClassDef *cls)
{
    m_contextProc = proc;
    m_contextClass = cls;
}

void Parser::resolveInContext()
{
    for (NameExpr *name : m_contextNames) {
        if (m_contextProc) {
            auto it = m_contextProc->localNames.find(name->key);
            if (it != m_contextProc->localNames.end()) {
                name->scope = NameScope::Local;
                name->slot = it->second;
                continue;
            }
        }
        if (m_contextClass) {
            auto field = m_contextClass->fieldIndex.find(name->key);
            if (field != m_contextClass->fieldIndex.end()) {
                name->scope = NameScope::Field;
                name->slot = field->second;
            } else if (m_contextClass->members.count(name->key)) {
                name->scope = NameScope::MeMember;
            }
        }
    }
}

std::unique_ptr<NameExpr> Parser::declareLocal(const Token &token, bool checkDuplicate)
{
    declare(token, checkDuplicate);
    return makeName(token);
}

void Parser::declare(const Token &token, bool checkDuplicate)
{
    if (m_scope) {
        auto [it, added] = m_scope->locals.try_emplace(token.key, m_scope->proc->slotCount);
        if (added)
            ++m_scope->proc->slotCount;
        else if (checkDuplicate)
            fail(errors::NameRedefined);
    } else {
        m_program->globals.push_back(token.text);
    }
}

void Parser::resolve(Scope &scope)
{
    Procedure *proc = scope.proc;
    proc->localNames = scope.locals;
    std::unordered_map<std::u16string, int> implicit;
    const bool returnsValue = proc->kind == ProcKind::Function || proc->kind == ProcKind::PropertyGet;
    for (NameExpr *name : scope.names) {
        const bool recursion = name->callTarget && returnsValue && name->key == proc->key;
        if (!recursion) {
            auto it = scope.locals.find(name->key);
            if (it != scope.locals.end()) {
                name->scope = NameScope::Local;
                name->slot = it->second;
                continue;
            }
        }
        if (scope.cls) {
            auto field = scope.cls->fieldIndex.find(name->key);
            if (field != scope.cls->fieldIndex.end()) {
                name->scope = NameScope::Field;
                name->slot = field->second;
                continue;
            }
            if (scope.cls->members.count(name->key)) {
                name->scope = NameScope::MeMember;
                continue;
            }
        }
        name->scope = NameScope::Global;
        if (!m_program->optionExplicit) {
            auto [it, added] = implicit.try_emplace(name->key, proc->slotCount);
            if (added)
                ++proc->slotCount;
            name->fallbackSlot = it->second;
        }
    }
}

std::unique_ptr<Program> Parser::parseProgram()
{
    m_program = std::make_unique<Program>();
    skipNewlines();
    if (at(Tok::Option)) {
        ++m_pos;
        if (!atWord(u"explicit"))
            fail(errors::SyntaxError);
        ++m_pos;
        m_program->optionExplicit = true;
        endStatement();
    }
    while (true) {
        skipNewlines();
        if (at(Tok::End))
            break;
        parseStatement(m_program->body);
        endStatement();
    }
    for (auto &scope : m_classScopes)
        resolve(*scope);
    resolveInContext();
    return std::move(m_program);
}

ExprPtr Parser::parseLoneExpression()
{
    m_program = std::make_unique<Program>();
    skipNewlines();
    ExprPtr expr = parseExpression();
    skipNewlines();
    if (!at(Tok::End))
        fail(errors::ExpectedEndOfStatement);
    resolveInContext();
    return expr;
}

bool Parser::atPropertyDeclaration() const
{
    return atWord(u"property") && (ahead(1).key == u"get" || ahead(1).kind == Tok::Let || ahead(1).kind == Tok::Set);
}

void Parser::parseDeclaration(Block &block)
{
    bool isPublic = true, hasAccess = false, isDefault = false;
    if (at(Tok::Public) || at(Tok::Private)) {
        isPublic = at(Tok::Public);
        hasAccess = true;
        ++m_pos;
        if (atWord(u"default")) {
            ++m_pos;
            isDefault = true;
        }
    }
    switch (cur().kind) {
    case Tok::Sub: ++m_pos; return parseProcedure(ProcKind::Sub, isPublic, isDefault, nullptr);
    case Tok::Function: ++m_pos; return parseProcedure(ProcKind::Function, isPublic, isDefault, nullptr);
    case Tok::Class:
        if (hasAccess)
            fail(errors::SyntaxError);
        ++m_pos;
        return parseClass();
    default:
        if (atPropertyDeclaration())
            fail(errors::PropertyOutsideClass);
        if (!hasAccess)
            fail(errors::ExpectedStatement);
        if (at(Tok::Const))
            return parseConst(block);
        return parseDim(block, true);
    }
}

void Parser::parseBlock(Block &block)
{
    while (true) {
        skipNewlines();
        switch (cur().kind) {
        case Tok::End:
        case Tok::EndKw:
        case Tok::Else:
        case Tok::ElseIf:
        case Tok::Loop:
        case Tok::Next:
        case Tok::Wend:
        case Tok::Case: return;
        default: break;
        }
        parseStatement(block);
        endStatement();
    }
}

} // namespace vbs
