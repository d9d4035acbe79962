#pragma once

#include "vbscript/Ast.h"
#include "vbscript/ScriptError.h"
#include "vbscript/Variant.h"

namespace vbs::ops {

// The arithmetic, concatenation and logical operators with the language's typing
// rules (overflow promotes Integer to Long to Double, Null propagates).
Variant binary(Op op, const Variant &left, const Variant &right, Language language = Language::English);
Variant unary(Op op, const Variant &operand);

// Comparison result: -1, 0 or 1, or kNullOrder when either side is Null. A literal
// number against text converts the text; a literal text converts the number; otherwise
// a number is less than any text. Empty is "" against text and 0 against numbers.
constexpr int kNullOrder = 2;
int compare(const Variant &left, const Variant &right, bool leftLiteral, bool rightLiteral, bool textCompare = false);
Variant comparison(Op op, const Variant &left, const Variant &right, bool leftLiteral, bool rightLiteral);
bool sameObject(const Variant &left, const Variant &right); // 424 unless both are objects

int compareText(std::u16string_view a, std::u16string_view b, bool textCompare);
char16_t upper(char16_t c);
char16_t lower(char16_t c);

} // namespace vbs::ops
