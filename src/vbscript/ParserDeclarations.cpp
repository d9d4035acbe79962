#include "vbscript/Parser.h"

#include "vbscript/ErrorMessages.h"
#include "vbscript/ParserScope.h"
#include "vbscript/ScriptError.h"

namespace vbs {

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
    const int savedDo = m_doDepth, savedFor = m_forDepth, savedIf = m_singleLineIf;
    m_doDepth = m_forDepth = m_singleLineIf = 0;
    parseBlock(proc->body);
    m_doDepth = savedDo;
    m_forDepth = savedFor;
    m_singleLineIf = savedIf;
    if (!accept(Tok::EndKw))
        fail(errors::ExpectedEnd);
    if (kind == ProcKind::Sub)
        expect(Tok::Sub, errors::ExpectedSub);
    else if (kind == ProcKind::Function)
        expect(Tok::Function, errors::ExpectedFunction);
    else if (atWord(u"property"))
        ++m_pos;
    else
        fail(errors::ExpectedProperty);
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
        // A later definition of the same name replaces the earlier one.
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
        } else if (atPropertyDeclaration()) {
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

} // namespace vbs
