#include "vbscript/Parser.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ParserScope.h"
#include "vbscript/ScriptError.h"

namespace vbs {

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
    } else if (at(Tok::LParen)) {
        base = parseParenthesised();
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
            // Parentheses around what is called do not count: (f)(x) is f(x), x by reference.
            while (base->kind == ExprKind::Paren) {
                ExprPtr &inner = static_cast<ParenExpr *>(base.get())->inner;
                if (inner->kind != ExprKind::Paren && inner->kind != ExprKind::Name &&
                    inner->kind != ExprKind::Member && inner->kind != ExprKind::Index)
                    break;
                base = std::move(inner);
            }
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
            args.push_back(parseArgument());
        while (accept(Tok::Comma));
    }
    expect(Tok::RParen, errors::ExpectedRParen);
    return args;
}

ExprPtr Parser::parseArgument()
{
    if (at(Tok::Comma) || at(Tok::RParen) || atStatementEnd()) {
        auto missing = std::make_unique<LiteralExpr>();
        missing->line = cur().line;
        missing->value = Variant::missing();
        return missing;
    }
    return parseExpression();
}

ExprPtr Parser::parseParenthesised()
{
    DepthGuard guard(*this);
    auto paren = std::make_unique<ParenExpr>();
    paren->line = cur().line;
    ++m_pos;
    paren->inner = parseExpression();
    expect(Tok::RParen, errors::ExpectedRParen);
    return paren;
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
        ExprPtr paren = parseParenthesised();
        // (New C).Name: members of a parenthesised object; (f)(x): a call
        if ((at(Tok::Dot) && !cur().spaceBefore && ahead(1).kind == Tok::Identifier) || at(Tok::LParen))
            return parsePostfix(std::move(paren), SIZE_MAX);
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
