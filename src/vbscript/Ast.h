#pragma once

#include "vbscript/Variant.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

struct GlobalEntry;
struct Procedure;
struct ClassDef;

enum class ExprKind : uint8_t { Literal, Name, Member, Index, Unary, Binary, Paren, New, Me };

struct Expr
{
    explicit Expr(ExprKind k) : kind(k) {}
    virtual ~Expr() = default;
    ExprKind kind;
    int line = 0;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr
{
    LiteralExpr() : Expr(ExprKind::Literal) {}
    Variant value;
};

// Where a name lives, decided when its procedure has been parsed.
enum class NameScope : uint8_t {
    Local,    // slot of the procedure's frame
    Field,    // slot of Me's fields
    MeMember, // a method or property of the class
    Global,   // looked up once in the engine's global table, then cached
};

struct NameExpr : Expr
{
    NameExpr() : Expr(ExprKind::Name) {}
    std::u16string name;
    std::u16string key; // folded
    NameScope scope = NameScope::Global;
    int slot = -1;
    int fallbackSlot = -1; // implicit local of a procedure when no global has the name
    bool callTarget = false;
    GlobalEntry *cache = nullptr;
};

struct MemberExpr : Expr
{
    MemberExpr() : Expr(ExprKind::Member) {}
    ExprPtr object; // null: the object of the innermost With
    std::u16string key;
};

struct IndexExpr : Expr
{
    IndexExpr() : Expr(ExprKind::Index) {}
    ExprPtr target;
    std::vector<ExprPtr> args;
};

enum class Op : uint8_t {
    Add, Sub, Mul, Div, IntDiv, Mod, Pow, Concat,
    Eq, Ne, Lt, Gt, Le, Ge, Is,
    And, Or, Xor, Eqv, Imp,
    Neg, Plus, Not,
};

struct UnaryExpr : Expr
{
    UnaryExpr() : Expr(ExprKind::Unary) {}
    Op op = Op::Neg;
    ExprPtr operand;
};

struct BinaryExpr : Expr
{
    BinaryExpr() : Expr(ExprKind::Binary) {}
    Op op = Op::Add;
    ExprPtr left, right;
};

// Kept in the tree: a parenthesised argument is passed by value.
struct ParenExpr : Expr
{
    ParenExpr() : Expr(ExprKind::Paren) {}
    ExprPtr inner;
};

struct NewExpr : Expr
{
    NewExpr() : Expr(ExprKind::New) {}
    std::u16string name, key;
};

struct MeExpr : Expr
{
    MeExpr() : Expr(ExprKind::Me) {}
};

enum class StmtKind : uint8_t {
    Assign, Call, Dim, ReDim, Const, If, Select, For, ForEach, Do, Exit, OnError, With, Erase,
};

struct Stmt
{
    explicit Stmt(StmtKind k) : kind(k) {}
    virtual ~Stmt() = default;
    StmtKind kind;
    int line = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt : Stmt
{
    AssignStmt() : Stmt(StmtKind::Assign) {}
    ExprPtr target, value;
    bool isSet = false;
    bool appendInPlace = false; // x = x & y on a plain variable
};

struct CallStmt : Stmt
{
    CallStmt() : Stmt(StmtKind::Call) {}
    ExprPtr call; // Name, Member or Index
};

struct DimStmt : Stmt
{
    DimStmt() : Stmt(StmtKind::Dim) {}
    struct Item
    {
        std::unique_ptr<NameExpr> name;
        std::vector<ExprPtr> bounds;
        bool isArray = false;
    };
    std::vector<Item> items;
};

struct ReDimStmt : Stmt
{
    ReDimStmt() : Stmt(StmtKind::ReDim) {}
    bool preserve = false;
    std::vector<DimStmt::Item> items;
};

struct ConstStmt : Stmt
{
    ConstStmt() : Stmt(StmtKind::Const) {}
    std::vector<std::pair<std::unique_ptr<NameExpr>, ExprPtr>> items;
};

struct IfStmt : Stmt
{
    IfStmt() : Stmt(StmtKind::If) {}
    struct Branch
    {
        ExprPtr condition;
        Block body;
        int line = 0;
    };
    std::vector<Branch> branches;
    Block elseBody;
};

struct SelectStmt : Stmt
{
    SelectStmt() : Stmt(StmtKind::Select) {}
    struct Test
    {
        Op op = Op::Eq;
        ExprPtr value;
        ExprPtr to; // a range value To to
    };
    struct Case
    {
        std::vector<Test> tests; // empty: Case Else
        Block body;
    };
    ExprPtr subject;
    std::vector<Case> cases;
};

struct ForStmt : Stmt
{
    ForStmt() : Stmt(StmtKind::For) {}
    std::unique_ptr<NameExpr> variable;
    ExprPtr from, to, step;
    Block body;
};

struct ForEachStmt : Stmt
{
    ForEachStmt() : Stmt(StmtKind::ForEach) {}
    std::unique_ptr<NameExpr> variable;
    ExprPtr collection;
    Block body;
};

struct DoStmt : Stmt
{
    DoStmt() : Stmt(StmtKind::Do) {}
    ExprPtr condition; // null: no condition
    bool atTop = true;
    bool until = false;
    Block body;
};

enum class ExitKind : uint8_t { Do, For, Procedure };

struct ExitStmt : Stmt
{
    ExitStmt() : Stmt(StmtKind::Exit) {}
    ExitKind what = ExitKind::Do;
};

struct OnErrorStmt : Stmt
{
    OnErrorStmt() : Stmt(StmtKind::OnError) {}
    bool resumeNext = true;
};

struct WithStmt : Stmt
{
    WithStmt() : Stmt(StmtKind::With) {}
    ExprPtr object;
    Block body;
};

struct EraseStmt : Stmt
{
    EraseStmt() : Stmt(StmtKind::Erase) {}
    std::unique_ptr<NameExpr> target;
};

enum class ProcKind : uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Procedure
{
    std::u16string name, key;
    ProcKind kind = ProcKind::Sub;
    struct Param
    {
        std::u16string name;
        bool byRef = true;
    };
    std::vector<Param> params;
    int slotCount = 0;
    int resultSlot = -1;
    std::unordered_map<std::u16string, int> localNames; // declared names and their slots, for Execute and Eval
    Block body;
    bool isPublic = true;
    bool isDefault = false;
    ClassDef *owner = nullptr;
    int line = 0;
};

struct ClassDef
{
    std::u16string name, key;
    struct Field
    {
        std::u16string name;
        bool isPublic = true;
        std::vector<int32_t> bounds; // declared array
        bool isArray = false;
    };
    std::vector<Field> fields;
    std::unordered_map<std::u16string, int> fieldIndex;
    struct Member
    {
        Procedure *get = nullptr, *let = nullptr, *set = nullptr, *method = nullptr;
    };
    std::unordered_map<std::u16string, Member> members;
    std::u16string defaultKey;
    Procedure *initialize = nullptr, *terminate = nullptr;
    std::vector<std::unique_ptr<Procedure>> procedures;
};

// One compiled piece of source: its global code and what it declares.
struct Program
{
    Block body;
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<std::unique_ptr<ClassDef>> classes;
    std::vector<std::u16string> globals; // names of global Dim, ReDim and Const
    bool optionExplicit = false;
};

} // namespace vbs
