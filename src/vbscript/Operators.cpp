#include "vbscript/Operators.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"
#include "vbscript/ScriptError.h"

#include <cmath>

namespace vbs::ops {

namespace {

// Rank of the integer types for result typing.
int integerRank(VarType t)
{
    switch (t) {
    case VarType::Byte: return 0;
    case VarType::Integer: return 1;
    case VarType::Long: return 2;
    default: return -1;
    }
}

int64_t integerOf(const Variant &v)
{
    switch (v.type()) {
    case VarType::Byte: return v.byteValue();
    case VarType::Integer: return v.intValue();
    default: return v.longValue();
    }
}

Variant typedInteger(int64_t value, int rank)
{
    if (rank == 0 && value >= 0 && value <= 255)
        return Variant::byte(uint8_t(value));
    if (rank <= 1 && value >= -32768 && value <= 32767)
        return Variant::integer(int16_t(value));
    if (value >= INT32_MIN && value <= INT32_MAX)
        return Variant::longValue(int32_t(value));
    return Variant::real(double(value));
}

Variant checkedDouble(double value)
{
    if (std::isnan(value))
        throw ScriptError(errors::InvalidCall);
    if (std::isinf(value))
        throw ScriptError(errors::Overflow);
    return Variant::real(value);
}

// Operand of And, Or, Not…: Boolean stays, text may be a number or True/False.
Variant logicalOperand(const Variant &value)
{
    Variant v = conv::scalar(value);
    switch (v.type()) {
    case VarType::Boolean:
    case VarType::Null:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte: return v;
    case VarType::Empty: return Variant::integer(0);
    case VarType::String: {
        double d;
        if (conv::parseNumber(v.stringValue(), d))
            return Variant::longValue(conv::toLong(Variant::real(d)));
        return Variant::boolean(conv::toBool(v));
    }
    default: return Variant::longValue(conv::toLong(v));
    }
}

int64_t bitsOf(const Variant &v)
{
    return v.type() == VarType::Boolean ? (v.boolValue() ? -1 : 0) : integerOf(v);
}

bool isZero(const Variant &v)
{
    return !v.isNull() && bitsOf(v) == 0;
}

bool isAllOnes(const Variant &v)
{
    return !v.isNull() && bitsOf(v) == -1;
}

Variant logical(Op op, const Variant &left, const Variant &right)
{
    const Variant a = logicalOperand(left), b = logicalOperand(right);
    if (a.isNull() || b.isNull()) {
        const Variant &other = a.isNull() ? b : a;
        switch (op) {
        case Op::And:
            if (isZero(other))
                return other;
            return Variant::null();
        case Op::Or:
            if (isAllOnes(other))
                return other;
            return Variant::null();
        case Op::Imp:
            if ((a.isNull() && isAllOnes(b)) || (b.isNull() && isZero(a)))
                return b.isNull() ? Variant::boolean(true) : b;
            return Variant::null();
        default: return Variant::null();
        }
    }
    const int64_t x = bitsOf(a), y = bitsOf(b);
    int64_t r = 0;
    switch (op) {
    case Op::And: r = x & y; break;
    case Op::Or: r = x | y; break;
    case Op::Xor: r = x ^ y; break;
    case Op::Eqv: r = ~(x ^ y); break;
    case Op::Imp: r = ~x | y; break;
    default: break;
    }
    if (a.type() == VarType::Boolean && b.type() == VarType::Boolean)
        return Variant::boolean(r != 0);
    const int rank = std::max(a.type() == VarType::Boolean ? 1 : integerRank(a.type()),
                              b.type() == VarType::Boolean ? 1 : integerRank(b.type()));
    if (rank <= 1)
        return Variant::integer(int16_t(r));
    return Variant::longValue(int32_t(r));
}

Variant concat(const Variant &left, const Variant &right, Language language)
{
    if (left.isNull() && right.isNull())
        return Variant::null();
    std::u16string text;
    if (!left.isNull())
        text = conv::toString(left, language);
    if (!right.isNull())
        text += right.isString() ? right.stringValue() : conv::toString(right, language);
    return Variant::string(std::move(text));
}

} // namespace

char16_t upper(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return char16_t(c - 32);
    if (c == 0xFF)
        return 0x178;
    if (c == 0x153 || c == 0x161 || c == 0x17E)
        return char16_t(c - 1);
    return c;
}

char16_t lower(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return char16_t(c + 32);
    if (c == 0x178)
        return 0xFF;
    if (c == 0x152 || c == 0x160 || c == 0x17D)
        return char16_t(c + 1);
    return c;
}

int compareText(std::u16string_view a, std::u16string_view b, bool textCompare)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        char16_t x = a[i], y = b[i];
        if (textCompare)
            x = lower(x), y = lower(y);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

Variant binary(Op op, const Variant &leftIn, const Variant &rightIn, Language language)
{
    // Fast path for the loops of scripts: two Integers or Longs.
    const VarType lt = leftIn.type(), rt = rightIn.type();
    if ((lt == VarType::Integer || lt == VarType::Long) && (rt == VarType::Integer || rt == VarType::Long)) {
        const int64_t x = lt == VarType::Integer ? leftIn.intValue() : leftIn.longValue();
        const int64_t y = rt == VarType::Integer ? rightIn.intValue() : rightIn.longValue();
        const int rank = (lt == VarType::Long || rt == VarType::Long) ? 2 : 1;
        switch (op) {
        case Op::Add: return typedInteger(x + y, rank);
        case Op::Sub: return typedInteger(x - y, rank);
        case Op::Mul: return typedInteger(x * y, rank);
        case Op::IntDiv:
            if (y == 0)
                throw ScriptError(errors::DivisionByZero);
            return typedInteger(x / y, rank);
        case Op::Mod:
            if (y == 0)
                throw ScriptError(errors::DivisionByZero);
            return typedInteger(x % y, rank);
        default: break;
        }
    }
    if (op == Op::Concat)
        return concat(conv::scalar(leftIn), conv::scalar(rightIn), language);
    if (op >= Op::And && op <= Op::Imp)
        return logical(op, leftIn, rightIn);

    const Variant left = conv::scalar(leftIn), right = conv::scalar(rightIn);
    if (left.isArray() || right.isArray())
        throw ScriptError(errors::TypeMismatch);
    if (left.isNull() || right.isNull())
        return Variant::null();
    if (op == Op::Add && ((left.isString() && (right.isString() || right.isEmpty())) ||
                          (right.isString() && left.isEmpty())))
        return Variant::string(left.isEmpty() ? u"" + right.stringValue()
                                              : left.stringValue() + (right.isEmpty() ? u"" : right.stringValue()));
    const Variant a = conv::toArithmetic(left), b = conv::toArithmetic(right);
    const VarType at = a.type(), bt = b.type();

    if (op == Op::IntDiv || op == Op::Mod) {
        const int64_t x = conv::toLong(a), y = conv::toLong(b);
        if (y == 0)
            throw ScriptError(errors::DivisionByZero);
        const int rank = std::max(integerRank(at), integerRank(bt)) == 2 || integerRank(at) < 0 || integerRank(bt) < 0
                             ? 2
                             : std::max(integerRank(at), integerRank(bt));
        return typedInteger(op == Op::IntDiv ? x / y : x % y, rank);
    }
    const double x = conv::toDouble(a), y = conv::toDouble(b);
    if (op == Op::Div) {
        if (y == 0)
            throw ScriptError(x == 0 ? errors::Overflow : errors::DivisionByZero);
        return checkedDouble(x / y);
    }
    if (op == Op::Pow) {
        if (x == 0 && y < 0)
            throw ScriptError(errors::InvalidCall);
        return checkedDouble(std::pow(x, y));
    }
    const int ra = integerRank(at), rb = integerRank(bt);
    if (ra >= 0 && rb >= 0) {
        const int64_t p = integerOf(a), q = integerOf(b);
        const int rank = std::max(ra, rb);
        switch (op) {
        case Op::Add: return typedInteger(p + q, rank);
        case Op::Sub: return typedInteger(p - q, rank);
        default: return typedInteger(p * q, rank);
        }
    }
    double r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
    if (at == VarType::Date || bt == VarType::Date) {
        if (op == Op::Mul || (op == Op::Sub && at == VarType::Date && bt == VarType::Date))
            return checkedDouble(r);
        if (!datetime::validSerial(r))
            throw ScriptError(errors::Overflow);
        return Variant::date(r);
    }
    if (at == VarType::Double || bt == VarType::Double)
        return checkedDouble(r);
    if (at == VarType::Currency || bt == VarType::Currency) {
        if (at == VarType::Single || bt == VarType::Single)
            return checkedDouble(r);
        return conv::toCurrency(r);
    }
    if (at == VarType::Single || bt == VarType::Single) {
        // A Single that overflows becomes a Double, as Integers and Longs do.
        if (at == VarType::Long || bt == VarType::Long || !(std::fabs(r) <= 3.402823466e38))
            return checkedDouble(r);
        return Variant::single(float(r));
    }
    return checkedDouble(r);
}

Variant unary(Op op, const Variant &operandIn)
{
    // Unary plus changes nothing, not even an object into its default value: +obj Is obj.
    if (op == Op::Plus)
        return operandIn;
    const Variant operand = conv::scalar(operandIn);
    if (operand.isNull())
        return operand;
    if (op == Op::Not) {
        const Variant v = logicalOperand(operand);
        if (v.type() == VarType::Boolean)
            return Variant::boolean(!v.boolValue());
        if (v.type() == VarType::Integer || v.type() == VarType::Byte)
            return Variant::integer(int16_t(~integerOf(v)));
        return Variant::longValue(~v.longValue());
    }
    const Variant v = conv::toArithmetic(operand);
    switch (v.type()) {
    case VarType::Byte: return Variant::integer(int16_t(-int(v.byteValue())));
    case VarType::Integer: return typedInteger(-int64_t(v.intValue()), 1);
    case VarType::Long: return typedInteger(-int64_t(v.longValue()), 2);
    case VarType::Single: return Variant::single(-v.singleValue());
    case VarType::Currency: return Variant::currency(-v.currencyValue());
    case VarType::Date:
        if (!datetime::validSerial(-v.dateValue()))
            throw ScriptError(errors::Overflow);
        return Variant::date(-v.dateValue());
    default: return Variant::real(-conv::toDouble(v));
    }
}

int compare(const Variant &leftIn, const Variant &rightIn, bool leftLiteral, bool rightLiteral, bool textCompare)
{
    const Variant left = conv::scalar(leftIn), right = conv::scalar(rightIn);
    if (left.isArray() || right.isArray())
        throw ScriptError(errors::TypeMismatch);
    if (left.isNull() || right.isNull())
        return kNullOrder;
    auto order = [](double x, double y) { return x < y ? -1 : x > y ? 1 : 0; };
    const bool ls = left.isString(), rs = right.isString();
    if (ls && rs)
        return compareText(left.stringValue(), right.stringValue(), textCompare);
    if (left.isEmpty() && right.isEmpty())
        return 0;
    if (ls || rs) {
        const Variant &text = ls ? left : right;
        const Variant &other = ls ? right : left;
        const int flip = ls ? 1 : -1;
        if (other.isEmpty())
            return flip * compareText(text.stringValue(), u"", textCompare);
        const bool otherLiteral = ls ? rightLiteral : leftLiteral;
        const bool textLiteral = ls ? leftLiteral : rightLiteral;
        if (otherLiteral) {
            double d;
            if (conv::parseNumber(text.stringValue(), d))
                return flip * order(d, conv::toDouble(other));
            return flip;
        }
        if (textLiteral)
            return flip * compareText(text.stringValue(), conv::toString(other, Language::English), textCompare);
        return flip; // a number is less than any text
    }
    return order(conv::toDouble(left), conv::toDouble(right));
}

Variant comparison(Op op, const Variant &left, const Variant &right, bool leftLiteral, bool rightLiteral)
{
    const int c = compare(left, right, leftLiteral, rightLiteral);
    if (c == kNullOrder)
        return Variant::null();
    switch (op) {
    case Op::Eq: return Variant::boolean(c == 0);
    case Op::Ne: return Variant::boolean(c != 0);
    case Op::Lt: return Variant::boolean(c < 0);
    case Op::Gt: return Variant::boolean(c > 0);
    case Op::Le: return Variant::boolean(c <= 0);
    default: return Variant::boolean(c >= 0);
    }
}

bool sameObject(const Variant &left, const Variant &right)
{
    if (!left.isObject() || !right.isObject())
        throw ScriptError(errors::ObjectRequired);
    return left.objectValue() == right.objectValue();
}

} // namespace vbs::ops
