#include "vbscript/Parser.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ParserScope.h"
#include "vbscript/ScriptError.h"

namespace vbs {

void Parser::parseStatement(Block &block)
{
    DepthGuard guard(*this);
    switch (cur().kind) {
    case Tok::Public:
    case Tok::Private:
    case Tok::Sub:
    case Tok::Function:
    case Tok::Class:
        // Procedures and classes belong to the script wherever they stand in global code.
        if (m_scope)
            fail(errors::ExpectedStatement);
        return parseDeclaration(block);
    case Tok::LParen: return parseAssignOrCall(block, false, false);
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
        if (atPropertyDeclaration()) {
            if (m_scope)
                fail(errors::ExpectedStatement);
            return parseDeclaration(block);
        }
        if (cur().key == u"stop" && isStatementEnd(ahead(1)))
            return (void)++m_pos; // no debugger to stop in
        return parseAssignOrCall(block, false, false);
    case Tok::Me:
    case Tok::Dot: return parseAssignOrCall(block, false, false);
    default: fail(errors::ExpectedStatement);
    }
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
    // `Then :` starts a single-line If whose first statement is empty, even at the line's end;
    // `Then` and the line end, a block If.
    if (isColonThenLineEnd(cur())) {
        stmt->branches.push_back(std::move(first));
        block.push_back(std::move(stmt));
        return;
    }
    size_t afterColons = m_pos;
    while (isColon(m_tokens[afterColons]))
        ++afterColons;
    const Tok next = m_tokens[afterColons].kind;
    if (next == Tok::Newline || next == Tok::End) {
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
        m_pos = afterColons;
        ++m_singleLineIf;
        auto statements = [&](Block &body) {
            while (true) {
                if (!at(Tok::Else) && !at(Tok::EndKw))
                    parseStatement(body);
                if (!isColon(cur()))
                    break;
                while (isColon(cur()))
                    ++m_pos;
                if (at(Tok::Newline) || at(Tok::End) || at(Tok::Else) || at(Tok::EndKw))
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
    case Tok::Identifier: {
        if (at(Tok::Identifier) && cur().key != u"property")
            fail(errors::SyntaxError);
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
    const size_t namesBefore = nameList() ? nameList()->size() : 0;
    ExprPtr target = parseReference(SIZE_MAX);
    const size_t referenceEnd = m_pos;
    if (!explicitCall && accept(Tok::Eq)) {
        if (target->kind == ExprKind::Me)
            fail(errors::SyntaxError);
        auto stmt = std::make_unique<AssignStmt>();
        stmt->line = line;
        stmt->isSet = isSet;
        stmt->value = parseExpression();
        const size_t calleeParen = calleeParenthesis(start, referenceEnd);
        if (!isSet && at(Tok::Comma) && calleeParen != SIZE_MAX) {
            // No assignment goes on after a comma: `ok (a)(1) = 6, "m"` calls ok, and its first
            // argument is a comparison that starts at the callee's parenthesis.
            parseCallArguments(block, line, start, namesBefore, calleeParen);
            return;
        }
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
    if (target->kind == ExprKind::Me || target->kind == ExprKind::Paren)
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
    }
    parseCallArguments(block, line, start, namesBefore, lastParen);
}

void Parser::parseCallArguments(Block &block, int line, size_t start, size_t namesBefore, size_t stopAtParen)
{
    m_pos = start;
    if (std::vector<NameExpr *> *names = nameList())
        names->resize(namesBefore);
    ExprPtr target = parseReference(stopAtParen);
    auto stmt = std::make_unique<CallStmt>();
    stmt->line = line;
    auto call = std::make_unique<IndexExpr>();
    call->line = line;
    if (target->kind == ExprKind::Name)
        static_cast<NameExpr *>(target.get())->callTarget = true;
    call->target = std::move(target);
    do
        call->args.push_back(parseArgument());
    while (accept(Tok::Comma));
    stmt->call = std::move(call);
    block.push_back(std::move(stmt));
}

size_t Parser::calleeParenthesis(size_t start, size_t end) const
{
    // The parenthesis right after the last name outside any parentheses: `ok` in
    // `ok (a)(1)`, `Show` in `Obj.Items(0).Show (a)`.
    size_t found = SIZE_MAX;
    int depth = 0;
    for (size_t i = start; i + 1 < end; ++i) {
        if (m_tokens[i].kind == Tok::LParen)
            ++depth;
        else if (m_tokens[i].kind == Tok::RParen)
            --depth;
        else if (depth == 0 && m_tokens[i].kind == Tok::Identifier && m_tokens[i + 1].kind == Tok::LParen)
            found = i + 1;
    }
    return found;
}

} // namespace vbs
