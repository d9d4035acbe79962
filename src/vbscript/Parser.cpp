#include "vbscript/Parser.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ScriptError.h"

namespace vbs {

namespace {

constexpr int kMaxDepth = 80;

} // namespace

struct Parser::Scope
{
    Procedure *proc = nullptr;
    ClassDef *cls = nullptr;
    std::unordered_map<std::u16string, int> locals;
    std::vector<NameExpr *> names;
};

struct DepthGuard
{
    explicit DepthGuard(Parser &parser) : m_parser(parser) { m_parser.enter(); }
    ~DepthGuard() { --m_parser.m_depth; }
    Parser &m_parser;
};

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

bool Parser::atStatementEnd() const
{
    return at(Tok::Newline) || at(Tok::End) || (m_singleLineIf > 0 && at(Tok::Else));
}

void Parser::endStatement()
{
    if (at(Tok::End))
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
    if (m_scope)
        m_scope->names.push_back(name.get());
    return name;
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
        parseTopLevel();
        endStatement();
    }
    for (auto &scope : m_classScopes)
        resolve(*scope);
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
    return expr;
}

void Parser::parseTopLevel()
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
    case Tok::Const: return parseConst(m_program->body);
    case Tok::Property: fail(errors::ExpectedStatement);
    default:
        if (hasAccess)
            return parseDim(m_program->body, true);
        return parseStatement(m_program->body);
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

void Parser::parseStatement(Block &block)
{
    DepthGuard guard(*this);
    switch (cur().kind) {
    case Tok::Dim: ++m_pos; return parseDim(block, false);
    case Tok::ReDim: ++m_pos; return parseReDim(block);
    case Tok::Const: return parseConst(block);
    case Tok::Set: ++m_pos; return parseAssignOrCall(block, false, true);
    case Tok::Let: ++m_pos; return parseAssignOrCall(block, false, false);
    case Tok::Call: ++m_pos; return parseAssignOrCall(block, true, false);
    case Tok::If: return parseIf(block);
    case Tok::Select: return parseSelect(block);
    case Tok::For: return parseFor(block);
    case Tok::Do: return parseDo(block);
    case Tok::While: return parseWhile(block);
    case Tok::Exit: return parseExit(block);
    case Tok::On: return parseOnError(block);
    case Tok::With: return parseWith(block);
    case Tok::Erase: {
        auto stmt = std::make_unique<EraseStmt>();
        stmt->line = cur().line;
        ++m_pos;
        stmt->target = makeName(identifier());
        block.push_back(std::move(stmt));
        return;
    }
    case Tok::Option: fail(errors::MustBeFirstStatement);
    case Tok::Identifier:
    case Tok::Me:
    case Tok::Dot: return parseAssignOrCall(block, false, false);
    default: fail(errors::ExpectedStatement);
    }
}

void Parser::parseProcedure(ProcKind kind, bool isPublic, bool isDefault, ClassDef *owner)
{
    auto proc = std::make_unique<Procedure>();
    proc->kind = kind;
    proc->isPublic = isPublic;
    proc->isDefault = isDefault;
    proc->owner = owner;
    proc->line = cur().line;
    const Token &nameToken = identifier();
    proc->name = nameToken.text;
    proc->key = nameToken.key;

    auto scope = std::make_unique<Scope>();
    scope->proc = proc.get();
    scope->cls = owner;
    Scope *outer = m_scope;
    m_scope = scope.get();
    if (accept(Tok::LParen)) {
        if (!at(Tok::RParen)) {
            do {
                bool byRef = true;
                if (accept(Tok::ByVal))
                    byRef = false;
                else
                    accept(Tok::ByRef);
                const Token &param = identifier();
                if (accept(Tok::LParen))
                    expect(Tok::RParen, errors::ExpectedRParen);
                declare(param, true);
                proc->params.push_back({param.text, byRef});
            } while (accept(Tok::Comma));
        }
        expect(Tok::RParen, errors::ExpectedRParen);
    }
    if ((kind == ProcKind::PropertyLet || kind == ProcKind::PropertySet) && proc->params.empty())
        fail(1054);
    if (kind == ProcKind::Function || kind == ProcKind::PropertyGet) {
        proc->resultSlot = proc->slotCount++;
        scope->locals.emplace(proc->key, proc->resultSlot);
    }
    const int savedDo = m_doDepth, savedFor = m_forDepth;
    m_doDepth = m_forDepth = 0;
    if (!at(Tok::Newline))
        fail(errors::ExpectedEndOfStatement);
    parseBlock(proc->body);
    m_doDepth = savedDo;
    m_forDepth = savedFor;
    const Tok endWord = kind == ProcKind::Sub ? Tok::Sub : kind == ProcKind::Function ? Tok::Function : Tok::Property;
    const int endError = kind == ProcKind::Sub        ? errors::ExpectedSub
                         : kind == ProcKind::Function ? errors::ExpectedFunction
                                                      : errors::ExpectedProperty;
    if (!accept(Tok::EndKw))
        fail(errors::ExpectedEnd);
    expect(endWord, endError);
    m_scope = outer;

    if (owner) {
        ClassDef::Member &member = owner->members[proc->key];
        Procedure **place = kind == ProcKind::PropertyGet   ? &member.get
                            : kind == ProcKind::PropertyLet ? &member.let
                            : kind == ProcKind::PropertySet ? &member.set
                                                            : &member.method;
        if (*place || (kind <= ProcKind::Function && (member.get || member.let || member.set)) ||
            (kind > ProcKind::Function && member.method) || owner->fieldIndex.count(proc->key))
            fail(errors::NameRedefined);
        *place = proc.get();
        if (isDefault) {
            if (!owner->defaultKey.empty() && owner->defaultKey != proc->key)
                fail(errors::MultipleDefaults);
            owner->defaultKey = proc->key;
        }
        if (proc->key == u"class_initialize")
            owner->initialize = proc.get();
        else if (proc->key == u"class_terminate")
            owner->terminate = proc.get();
        m_classScopes.push_back(std::move(scope));
        owner->procedures.push_back(std::move(proc));
    } else {
        if (isDefault)
            fail(errors::SyntaxError);
        resolve(*scope);
        for (const auto &other : m_program->procedures)
            if (other->key == proc->key)
                fail(errors::NameRedefined);
        m_program->procedures.push_back(std::move(proc));
    }
}

void Parser::parseClass()
{
    auto cls = std::make_unique<ClassDef>();
    const Token &nameToken = identifier();
    cls->name = nameToken.text;
    cls->key = nameToken.key;
    endStatement();
    while (true) {
        skipNewlines();
        if (at(Tok::EndKw))
            break;
        if (at(Tok::End))
            fail(errors::ExpectedEnd);
        bool isPublic = true, isDefault = false, field = false;
        if (at(Tok::Public) || at(Tok::Private)) {
            isPublic = at(Tok::Public);
            ++m_pos;
            field = true;
            if (atWord(u"default")) {
                if (!isPublic)
                    fail(1057);
                ++m_pos;
                isDefault = true;
                field = false;
            }
        } else if (accept(Tok::Dim)) {
            field = true;
            if (!at(Tok::Identifier))
                fail(errors::ExpectedIdentifier);
        }
        if (at(Tok::Sub)) {
            ++m_pos;
            parseProcedure(ProcKind::Sub, isPublic, isDefault, cls.get());
        } else if (at(Tok::Function)) {
            ++m_pos;
            parseProcedure(ProcKind::Function, isPublic, isDefault, cls.get());
        } else if (at(Tok::Property)) {
            ++m_pos;
            ProcKind kind;
            if (atWord(u"get"))
                kind = ProcKind::PropertyGet;
            else if (at(Tok::Let))
                kind = ProcKind::PropertyLet;
            else if (at(Tok::Set))
                kind = ProcKind::PropertySet;
            else
                fail(1049);
            ++m_pos;
            if (isDefault && kind != ProcKind::PropertyGet)
                fail(1058);
            parseProcedure(kind, isPublic, isDefault, cls.get());
        } else if (field && at(Tok::Identifier)) {
            do {
                const Token &fieldName = identifier();
                ClassDef::Field f;
                f.name = fieldName.text;
                f.isPublic = isPublic;
                if (accept(Tok::LParen)) {
                    f.isArray = true;
                    if (!at(Tok::RParen)) {
                        do {
                            if (!at(Tok::Integer))
                                fail(errors::ExpectedInteger);
                            f.bounds.push_back(int32_t(cur().intValue));
                            ++m_pos;
                        } while (accept(Tok::Comma));
                    }
                    expect(Tok::RParen, errors::ExpectedRParen);
                }
                if (cls->fieldIndex.count(fieldName.key) || cls->members.count(fieldName.key))
                    fail(errors::NameRedefined);
                cls->fieldIndex.emplace(fieldName.key, int(cls->fields.size()));
                cls->fields.push_back(std::move(f));
            } while (accept(Tok::Comma));
        } else {
            fail(errors::ExpectedStatement);
        }
        endStatement();
    }
    expect(Tok::EndKw, errors::ExpectedEnd);
    expect(Tok::Class, errors::ExpectedClass);
    for (const auto &other : m_program->classes)
        if (other->key == cls->key)
            fail(errors::NameRedefined);
    m_program->classes.push_back(std::move(cls));
}

void Parser::parseDim(Block &block, bool)
{
    auto stmt = std::make_unique<DimStmt>();
    stmt->line = cur().line;
    do {
        DimStmt::Item item;
        const Token &name = identifier();
        item.name = declareLocal(name, m_scope != nullptr);
        if (accept(Tok::LParen)) {
            item.isArray = true;
            if (!at(Tok::RParen)) {
                do
                    item.bounds.push_back(parseExpression());
                while (accept(Tok::Comma));
            }
            expect(Tok::RParen, errors::ExpectedRParen);
        }
        stmt->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    block.push_back(std::move(stmt));
}

void Parser::parseReDim(Block &block)
{
    auto stmt = std::make_unique<ReDimStmt>();
    stmt->line = cur().line;
    if (atWord(u"preserve")) {
        ++m_pos;
        stmt->preserve = true;
    }
    do {
        DimStmt::Item item;
        const Token &name = identifier();
        item.name = m_scope ? makeName(name) : declareLocal(name, false);
        item.isArray = true;
        expect(Tok::LParen, errors::ExpectedLParen);
        do
            item.bounds.push_back(parseExpression());
        while (accept(Tok::Comma));
        expect(Tok::RParen, errors::ExpectedRParen);
        stmt->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    block.push_back(std::move(stmt));
}

void Parser::parseConst(Block &block)
{
    auto stmt = std::make_unique<ConstStmt>();
    stmt->line = cur().line;
    expect(Tok::Const, errors::SyntaxError);
    do {
        const Token &name = identifier();
        auto target = declareLocal(name, m_scope != nullptr);
        expect(Tok::Eq, errors::ExpectedEquals);
        stmt->items.emplace_back(std::move(target), parseExpression());
    } while (accept(Tok::Comma));
    block.push_back(std::move(stmt));
}

void Parser::parseIf(Block &block)
{
    auto stmt = std::make_unique<IfStmt>();
    stmt->line = cur().line;
    ++m_pos;
    IfStmt::Branch first;
    first.line = stmt->line;
    first.condition = parseExpression();
    expect(Tok::Then, errors::ExpectedThen);
    if (at(Tok::Newline)) {
        parseBlock(first.body);
        stmt->branches.push_back(std::move(first));
        while (at(Tok::ElseIf)) {
            IfStmt::Branch branch;
            branch.line = cur().line;
            ++m_pos;
            branch.condition = parseExpression();
            expect(Tok::Then, errors::ExpectedThen);
            parseBlock(branch.body);
            stmt->branches.push_back(std::move(branch));
        }
        if (accept(Tok::Else))
            parseBlock(stmt->elseBody);
        if (!accept(Tok::EndKw))
            fail(errors::ExpectedEnd);
        expect(Tok::If, errors::ExpectedIf);
    } else {
        ++m_singleLineIf;
        auto statements = [&](Block &body) {
            while (true) {
                parseStatement(body);
                if (at(Tok::Newline) && cur().text == u":" && ahead(1).kind != Tok::End) {
                    ++m_pos;
                    if (at(Tok::Else))
                        break;
                    continue;
                }
                break;
            }
        };
        statements(first.body);
        stmt->branches.push_back(std::move(first));
        if (accept(Tok::Else))
            statements(stmt->elseBody);
        --m_singleLineIf;
        if (at(Tok::EndKw) && ahead(1).kind == Tok::If)
            m_pos += 2;
    }
    block.push_back(std::move(stmt));
}

void Parser::parseSelect(Block &block)
{
    auto stmt = std::make_unique<SelectStmt>();
    stmt->line = cur().line;
    ++m_pos;
    expect(Tok::Case, errors::ExpectedCase);
    stmt->subject = parseExpression();
    endStatement();
    skipNewlines();
    while (accept(Tok::Case)) {
        SelectStmt::Case c;
        if (!accept(Tok::Else)) {
            do {
                SelectStmt::Test test;
                if (accept(Tok::Is)) {
                    switch (cur().kind) {
                    case Tok::Eq: test.op = Op::Eq; break;
                    case Tok::Ne: test.op = Op::Ne; break;
                    case Tok::Lt: test.op = Op::Lt; break;
                    case Tok::Gt: test.op = Op::Gt; break;
                    case Tok::Le: test.op = Op::Le; break;
                    case Tok::Ge: test.op = Op::Ge; break;
                    default: fail(errors::SyntaxError);
                    }
                    ++m_pos;
                    test.value = parseExpression();
                } else {
                    test.value = parseExpression();
                    if (accept(Tok::To))
                        test.to = parseExpression();
                }
                c.tests.push_back(std::move(test));
            } while (accept(Tok::Comma));
        }
        parseBlock(c.body);
        const bool isElse = c.tests.empty();
        stmt->cases.push_back(std::move(c));
        if (isElse && at(Tok::Case))
            fail(errors::SyntaxError);
    }
    if (!accept(Tok::EndKw))
        fail(errors::ExpectedCase);
    expect(Tok::Select, errors::ExpectedSelect);
    block.push_back(std::move(stmt));
}

void Parser::parseFor(Block &block)
{
    const int line = cur().line;
    ++m_pos;
    ++m_forDepth;
    if (accept(Tok::Each)) {
        auto stmt = std::make_unique<ForEachStmt>();
        stmt->line = line;
        stmt->variable = makeName(identifier());
        expect(Tok::In, errors::ExpectedIn);
        stmt->collection = parseExpression();
        parseBlock(stmt->body);
        expect(Tok::Next, errors::ExpectedNext);
        if (at(Tok::Identifier))
            ++m_pos;
        --m_forDepth;
        block.push_back(std::move(stmt));
        return;
    }
    auto stmt = std::make_unique<ForStmt>();
    stmt->line = line;
    if (!at(Tok::Identifier))
        fail(errors::InvalidForVariable);
    stmt->variable = makeName(identifier());
    expect(Tok::Eq, errors::ExpectedEquals);
    stmt->from = parseExpression();
    expect(Tok::To, errors::ExpectedTo);
    stmt->to = parseExpression();
    if (atWord(u"step")) {
        ++m_pos;
        stmt->step = parseExpression();
    }
    parseBlock(stmt->body);
    expect(Tok::Next, errors::ExpectedNext);
    if (at(Tok::Identifier))
        ++m_pos;
    --m_forDepth;
    block.push_back(std::move(stmt));
}

void Parser::parseDo(Block &block)
{
    auto stmt = std::make_unique<DoStmt>();
    stmt->line = cur().line;
    ++m_pos;
    if (at(Tok::While) || at(Tok::Until)) {
        stmt->until = at(Tok::Until);
        ++m_pos;
        stmt->condition = parseExpression();
    }
    ++m_doDepth;
    parseBlock(stmt->body);
    --m_doDepth;
    expect(Tok::Loop, errors::ExpectedLoop);
    if (at(Tok::While) || at(Tok::Until)) {
        if (stmt->condition)
            fail(errors::ExpectedEndOfStatement);
        stmt->until = at(Tok::Until);
        ++m_pos;
        stmt->condition = parseExpression();
        stmt->atTop = false;
    }
    block.push_back(std::move(stmt));
}

void Parser::parseWhile(Block &block)
{
    auto stmt = std::make_unique<DoStmt>();
    stmt->line = cur().line;
    ++m_pos;
    stmt->condition = parseExpression();
    parseBlock(stmt->body);
    expect(Tok::Wend, errors::ExpectedWend);
    block.push_back(std::move(stmt));
}

void Parser::parseExit(Block &block)
{
    auto stmt = std::make_unique<ExitStmt>();
    stmt->line = cur().line;
    ++m_pos;
    switch (cur().kind) {
    case Tok::Do:
        if (m_doDepth == 0)
            fail(errors::InvalidExit);
        stmt->what = ExitKind::Do;
        break;
    case Tok::For:
        if (m_forDepth == 0)
            fail(errors::InvalidExit);
        stmt->what = ExitKind::For;
        break;
    case Tok::Sub:
    case Tok::Function:
    case Tok::Property: {
        const ProcKind kind = m_scope ? m_scope->proc->kind : ProcKind::Sub;
        const bool matches = m_scope && (cur().kind == Tok::Sub        ? kind == ProcKind::Sub
                                         : cur().kind == Tok::Function ? kind == ProcKind::Function
                                                                       : kind >= ProcKind::PropertyGet);
        if (!matches)
            fail(errors::InvalidExit);
        stmt->what = ExitKind::Procedure;
        break;
    }
    default: fail(errors::SyntaxError);
    }
    ++m_pos;
    block.push_back(std::move(stmt));
}

void Parser::parseOnError(Block &block)
{
    auto stmt = std::make_unique<OnErrorStmt>();
    stmt->line = cur().line;
    ++m_pos;
    if (!atWord(u"error"))
        fail(errors::SyntaxError);
    ++m_pos;
    if (atWord(u"resume")) {
        ++m_pos;
        expect(Tok::Next, errors::SyntaxError);
        stmt->resumeNext = true;
    } else if (atWord(u"goto")) {
        ++m_pos;
        if (!at(Tok::Integer) || cur().intValue != 0)
            fail(errors::SyntaxError);
        ++m_pos;
        stmt->resumeNext = false;
    } else {
        fail(errors::SyntaxError);
    }
    block.push_back(std::move(stmt));
}

void Parser::parseWith(Block &block)
{
    auto stmt = std::make_unique<WithStmt>();
    stmt->line = cur().line;
    ++m_pos;
    stmt->object = parseExpression();
    parseBlock(stmt->body);
    if (!accept(Tok::EndKw))
        fail(errors::ExpectedEnd);
    expect(Tok::With, errors::ExpectedWith);
    block.push_back(std::move(stmt));
}

void Parser::parseAssignOrCall(Block &block, bool explicitCall, bool isSet)
{
    const int line = cur().line;
    const size_t start = m_pos;
    const size_t namesBefore = m_scope ? m_scope->names.size() : 0;
    ExprPtr target = parseReference(SIZE_MAX);
    if (!explicitCall && accept(Tok::Eq)) {
        if (target->kind == ExprKind::Me)
            fail(errors::SyntaxError);
        auto stmt = std::make_unique<AssignStmt>();
        stmt->line = line;
        stmt->isSet = isSet;
        stmt->value = parseExpression();
        if (!isSet && target->kind == ExprKind::Name && stmt->value->kind == ExprKind::Binary) {
            auto *concat = static_cast<BinaryExpr *>(stmt->value.get());
            if (concat->op == Op::Concat && concat->left->kind == ExprKind::Name &&
                static_cast<NameExpr *>(concat->left.get())->key == static_cast<NameExpr *>(target.get())->key)
                stmt->appendInPlace = true;
        }
        stmt->target = std::move(target);
        block.push_back(std::move(stmt));
        return;
    }
    if (isSet)
        fail(errors::ExpectedEquals);
    auto stmt = std::make_unique<CallStmt>();
    stmt->line = line;
    if (target->kind == ExprKind::Me)
        fail(errors::ExpectedStatement);
    if (atStatementEnd()) {
        if (target->kind == ExprKind::Index && !explicitCall) {
            auto *index = static_cast<IndexExpr *>(target.get());
            if (index->args.size() > 1)
                fail(errors::ParenthesesOnSubCall);
            if (index->args.size() == 1 && index->args[0]->kind != ExprKind::Paren) {
                auto paren = std::make_unique<ParenExpr>();
                paren->line = index->args[0]->line;
                paren->inner = std::move(index->args[0]);
                index->args[0] = std::move(paren);
            }
        }
        stmt->call = std::move(target);
        block.push_back(std::move(stmt));
        return;
    }
    if (explicitCall)
        fail(errors::ExpectedEndOfStatement);
    // Arguments without parentheses; a parenthesis parsed as part of the reference
    // starts the first argument instead.
    size_t lastParen = SIZE_MAX;
    if (target->kind == ExprKind::Index) {
        int depth = 0;
        for (size_t i = m_pos; i-- > start;) {
            if (m_tokens[i].kind == Tok::RParen)
                ++depth;
            else if (m_tokens[i].kind == Tok::LParen && --depth == 0) {
                lastParen = i;
                break;
            }
        }
        m_pos = start;
        if (m_scope)
            m_scope->names.resize(namesBefore);
        target = parseReference(lastParen);
    }
    auto call = std::make_unique<IndexExpr>();
    call->line = line;
    if (target->kind == ExprKind::Name)
        static_cast<NameExpr *>(target.get())->callTarget = true;
    call->target = std::move(target);
    do
        call->args.push_back(parseExpression());
    while (accept(Tok::Comma));
    stmt->call = std::move(call);
    block.push_back(std::move(stmt));
}

ExprPtr Parser::parseReference(size_t stopAtParen)
{
    ExprPtr base;
    if (at(Tok::Identifier)) {
        base = makeName(cur());
        ++m_pos;
    } else if (at(Tok::Me)) {
        base = std::make_unique<MeExpr>();
        base->line = cur().line;
        ++m_pos;
    } else if (at(Tok::Dot)) {
        ++m_pos;
        auto member = std::make_unique<MemberExpr>();
        member->line = cur().line;
        member->key = identifier().key;
        base = std::move(member);
    } else {
        fail(errors::ExpectedStatement);
    }
    return parsePostfix(std::move(base), stopAtParen);
}

ExprPtr Parser::parsePostfix(ExprPtr base, size_t stopAtParen)
{
    while (true) {
        if (at(Tok::Dot) && !cur().spaceBefore && ahead(1).kind == Tok::Identifier) {
            ++m_pos;
            auto member = std::make_unique<MemberExpr>();
            member->line = cur().line;
            member->key = identifier().key;
            member->object = std::move(base);
            base = std::move(member);
        } else if (at(Tok::LParen) && m_pos != stopAtParen) {
            if (base->kind == ExprKind::Name)
                static_cast<NameExpr *>(base.get())->callTarget = true;
            auto index = std::make_unique<IndexExpr>();
            index->line = cur().line;
            index->args = parseArguments();
            index->target = std::move(base);
            base = std::move(index);
        } else {
            return base;
        }
    }
}

std::vector<ExprPtr> Parser::parseArguments()
{
    DepthGuard guard(*this);
    std::vector<ExprPtr> args;
    expect(Tok::LParen, errors::ExpectedLParen);
    if (!at(Tok::RParen)) {
        do
            args.push_back(parseExpression());
        while (accept(Tok::Comma));
    }
    expect(Tok::RParen, errors::ExpectedRParen);
    return args;
}

ExprPtr Parser::parseExpression()
{
    DepthGuard guard(*this);
    return parseBinaryLevel(0);
}

namespace {

// Binary operators from the loosest to the tightest; Not sits between And and the comparisons.
struct Level
{
    Tok tokens[7];
    Op ops[7];
    int count;
};

constexpr Level kLevels[] = {
    {{Tok::Imp}, {Op::Imp}, 1},
    {{Tok::Eqv}, {Op::Eqv}, 1},
    {{Tok::Xor}, {Op::Xor}, 1},
    {{Tok::Or}, {Op::Or}, 1},
    {{Tok::And}, {Op::And}, 1},
    {{}, {}, 0}, // Not
    {{Tok::Eq, Tok::Ne, Tok::Lt, Tok::Gt, Tok::Le, Tok::Ge, Tok::Is},
     {Op::Eq, Op::Ne, Op::Lt, Op::Gt, Op::Le, Op::Ge, Op::Is},
     7},
    {{Tok::Ampersand}, {Op::Concat}, 1},
    {{Tok::Plus, Tok::Minus}, {Op::Add, Op::Sub}, 2},
    {{Tok::Mod}, {Op::Mod}, 1},
    {{Tok::Backslash}, {Op::IntDiv}, 1},
    {{Tok::Star, Tok::Slash}, {Op::Mul, Op::Div}, 2},
};
constexpr int kNotLevel = 5;
constexpr int kLevelCount = int(sizeof kLevels / sizeof kLevels[0]);

} // namespace

ExprPtr Parser::parseBinaryLevel(int level)
{
    if (level == kLevelCount)
        return parsePower();
    if (level == kNotLevel)
        return parseNot();
    ExprPtr left = parseBinaryLevel(level + 1);
    while (true) {
        const Level &l = kLevels[level];
        int found = -1;
        for (int i = 0; i < l.count; ++i)
            if (cur().kind == l.tokens[i])
                found = i;
        if (found < 0)
            return left;
        auto binary = std::make_unique<BinaryExpr>();
        binary->line = cur().line;
        binary->op = l.ops[found];
        ++m_pos;
        binary->left = std::move(left);
        binary->right = parseBinaryLevel(level + 1);
        left = std::move(binary);
    }
}

ExprPtr Parser::parseNot()
{
    if (at(Tok::Not)) {
        DepthGuard guard(*this);
        auto unary = std::make_unique<UnaryExpr>();
        unary->line = cur().line;
        unary->op = Op::Not;
        ++m_pos;
        unary->operand = parseNot();
        return unary;
    }
    return parseBinaryLevel(kNotLevel + 1);
}

// Negation binds tighter than ^ in this language: -3^2 is 9.
ExprPtr Parser::parsePower()
{
    ExprPtr left = parseUnary();
    while (at(Tok::Caret)) {
        auto binary = std::make_unique<BinaryExpr>();
        binary->line = cur().line;
        binary->op = Op::Pow;
        ++m_pos;
        binary->left = std::move(left);
        binary->right = parseUnary();
        left = std::move(binary);
    }
    return left;
}

ExprPtr Parser::parseUnary()
{
    if (at(Tok::Minus) || at(Tok::Plus)) {
        DepthGuard guard(*this);
        auto unary = std::make_unique<UnaryExpr>();
        unary->line = cur().line;
        unary->op = at(Tok::Minus) ? Op::Neg : Op::Plus;
        ++m_pos;
        unary->operand = parseUnary();
        return unary;
    }
    return parsePrimary();
}

ExprPtr Parser::parsePrimary()
{
    const Token &token = cur();
    auto literal = [&](Variant value) {
        auto expr = std::make_unique<LiteralExpr>();
        expr->line = token.line;
        expr->value = std::move(value);
        ++m_pos;
        return expr;
    };
    switch (token.kind) {
    case Tok::Integer:
        if (!token.longSuffix && token.intValue >= -32768 && token.intValue <= 32767)
            return literal(Variant::integer(int16_t(token.intValue)));
        return literal(Variant::longValue(int32_t(token.intValue)));
    case Tok::Double: return literal(Variant::real(token.doubleValue));
    case Tok::String: return literal(Variant::string(token.text));
    case Tok::Date: return literal(Variant::date(token.doubleValue));
    case Tok::True: return literal(Variant::boolean(true));
    case Tok::False: return literal(Variant::boolean(false));
    case Tok::Empty: return literal(Variant());
    case Tok::Null: return literal(Variant::null());
    case Tok::Nothing: return literal(Variant::nothing());
    case Tok::LParen: {
        DepthGuard guard(*this);
        auto paren = std::make_unique<ParenExpr>();
        paren->line = token.line;
        ++m_pos;
        paren->inner = parseExpression();
        expect(Tok::RParen, errors::ExpectedRParen);
        return paren;
    }
    case Tok::New: {
        auto expr = std::make_unique<NewExpr>();
        expr->line = token.line;
        ++m_pos;
        const Token &name = identifier();
        expr->name = name.text;
        expr->key = name.key;
        return expr;
    }
    case Tok::Identifier:
    case Tok::Me:
    case Tok::Dot: return parseReference(SIZE_MAX);
    case Tok::Newline:
    case Tok::End: fail(errors::ExpectedExpression);
    default: fail(errors::SyntaxError);
    }
}

} // namespace vbs
