#pragma once

#include "vbscript/Ast.h"
#include "vbscript/Token.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace vbs {

// Builds the tree of a program or of a lone expression, and decides where each name
// of a procedure lives (local slot, field of Me, member of the class or global).
// Throws a compile ScriptError.
class Parser
{
public:
    explicit Parser(std::vector<Token> tokens);
    ~Parser();

    std::unique_ptr<Program> parseProgram();
    ExprPtr parseLoneExpression();
    // Global-level names of the code then resolve to the procedure's locals and the
    // class's fields and members first (code given to Execute and Eval).
    void setContext(const Procedure *proc, const ClassDef *cls);

private:
    struct Scope;

    const Token &cur() const { return m_tokens[m_pos]; }
    const Token &ahead(size_t n) const;
    bool at(Tok kind) const { return cur().kind == kind; }
    bool atWord(std::u16string_view key) const { return cur().kind == Tok::Identifier && cur().key == key; }
    bool accept(Tok kind);
    void expect(Tok kind, int error);
    [[noreturn]] void fail(int error) const;
    void skipNewlines();
    bool isStatementEnd(const Token &token) const;
    bool atStatementEnd() const { return isStatementEnd(cur()); }
    static bool isColon(const Token &token) { return token.kind == Tok::Newline && token.text == u":"; }
    // Colons that end their line.
    static bool isColonThenLineEnd(const Token &token) { return token.kind == Tok::Newline && token.text == u":\n"; }
    void endStatement();
    const Token &identifier();

    void parseDeclaration(Block &block);
    bool atPropertyDeclaration() const;
    void parseBlock(Block &block);
    void parseStatement(Block &block);
    void parseProcedure(ProcKind kind, bool isPublic, bool isDefault, ClassDef *owner);
    void parseClass();
    void parseDim(Block &block, bool isPublicDecl);
    void parseReDim(Block &block);
    void parseConst(Block &block);
    void parseIf(Block &block);
    void parseSelect(Block &block);
    void parseFor(Block &block);
    void parseDo(Block &block);
    void parseWhile(Block &block);
    void parseExit(Block &block);
    void parseOnError(Block &block);
    void parseWith(Block &block);
    void parseAssignOrCall(Block &block, bool explicitCall, bool isSet);
    // A call statement read again from `start`: the reference stops before the parenthesis
    // at stopAtParen (SIZE_MAX: none), where the arguments, written without parentheses, begin.
    void parseCallArguments(Block &block, int line, size_t start, size_t namesBefore, size_t stopAtParen);
    size_t calleeParenthesis(size_t start, size_t end) const;

    ExprPtr parseExpression();
    ExprPtr parseBinaryLevel(int level);
    ExprPtr parseNot();
    ExprPtr parseUnary();
    ExprPtr parsePower();
    ExprPtr parsePrimary();
    ExprPtr parseParenthesised();
    ExprPtr parseArgument();
    ExprPtr parseReference(size_t stopAtParen);
    ExprPtr parsePostfix(ExprPtr base, size_t stopAtParen);
    std::vector<ExprPtr> parseArguments();
    std::unique_ptr<NameExpr> makeName(const Token &token);
    std::unique_ptr<NameExpr> declareLocal(const Token &token, bool checkDuplicate);
    void declare(const Token &token, bool checkDuplicate);
    void resolve(Scope &scope);
    void resolveInContext();
    std::vector<NameExpr *> *nameList();
    void enter();

    std::vector<Token> m_tokens;
    size_t m_pos = 0;
    int m_depth = 0;
    int m_singleLineIf = 0;
    int m_doDepth = 0;
    int m_forDepth = 0;
    std::unique_ptr<Program> m_program;
    Scope *m_scope = nullptr;
    const Procedure *m_contextProc = nullptr;
    const ClassDef *m_contextClass = nullptr;
    std::vector<NameExpr *> m_contextNames;
    std::vector<std::unique_ptr<Scope>> m_classScopes;
    friend struct DepthGuard;
};

} // namespace vbs
