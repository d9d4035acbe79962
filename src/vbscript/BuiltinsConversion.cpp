#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"
#include "vbscript/Interpreter.h"

#include <cmath>

namespace vbs {

namespace {

Variant fnCInt(Interpreter &, std::span<Variant> a) { return Variant::integer(conv::toInteger(a[0])); }
Variant fnCLng(Interpreter &, std::span<Variant> a) { return Variant::longValue(conv::toLong(a[0])); }
Variant fnCDbl(Interpreter &, std::span<Variant> a) { return Variant::real(conv::toDouble(a[0])); }

Variant fnCSng(Interpreter &, std::span<Variant> a)
{
    return Variant::single(conv::toSingle(conv::toDouble(a[0])));
}

Variant fnCStr(Interpreter &interp, std::span<Variant> a) { return Variant::string(conv::toString(a[0], interp.language())); }
Variant fnCBool(Interpreter &, std::span<Variant> a) { return Variant::boolean(conv::toBool(a[0])); }

Variant fnCByte(Interpreter &, std::span<Variant> a)
{
    // Rounded to even before the range check: CByte("-0.5") is 0.
    const double d = std::nearbyint(conv::toDouble(a[0]));
    if (!(d >= 0 && d <= 255))
        throw ScriptError(errors::Overflow);
    return Variant::byte(uint8_t(d));
}

Variant fnCDate(Interpreter &interp, std::span<Variant> a) { return Variant::date(conv::toDate(a[0], interp.language())); }

Variant fnCCur(Interpreter &, std::span<Variant> a)
{
    return conv::toCurrency(conv::toDouble(a[0]));
}

Variant radix(std::span<Variant> a, int bitsPerDigit)
{
    Variant v = conv::scalar(a[0]);
    if (v.isNull())
        return Variant::null();
    if (v.isEmpty())
        return Variant::string(u"0");
    const int32_t n = conv::toLong(v);
    const bool narrow = v.type() == VarType::Integer || v.type() == VarType::Byte || v.type() == VarType::Boolean;
    uint32_t bits = narrow && n < 0 ? uint32_t(uint16_t(n)) : uint32_t(n);
    const char *digits = "0123456789ABCDEF";
    std::u16string out;
    do {
        out.insert(out.begin(), char16_t(digits[bits & ((1u << bitsPerDigit) - 1)]));
        bits >>= bitsPerDigit;
    } while (bits);
    return Variant::string(std::move(out));
}

Variant fnHex(Interpreter &, std::span<Variant> a) { return radix(a, 4); }
Variant fnOct(Interpreter &, std::span<Variant> a) { return radix(a, 3); }

Variant fnIsNumeric(Interpreter &interp, std::span<Variant> a)
{
    // An object answers through its default value; one without is not numeric.
    if (a[0].isObject() && !a[0].isNothing()) {
        try {
            Variant value = conv::scalar(a[0]);
            return fnIsNumeric(interp, std::span<Variant>(&value, 1));
        } catch (const ScriptError &error) {
            if (error.number() != errors::NoSuchMember)
                throw;
            return Variant::boolean(false);
        }
    }
    const Variant &v = a[0];
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Boolean:
    case VarType::Byte: return Variant::boolean(true);
    case VarType::String: {
        double d;
        return Variant::boolean(conv::parseNumber(v.stringValue(), d));
    }
    default: return Variant::boolean(false);
    }
}

Variant fnIsEmpty(Interpreter &, std::span<Variant> a) { return Variant::boolean(a[0].isEmpty()); }
Variant fnIsNull(Interpreter &, std::span<Variant> a) { return Variant::boolean(a[0].isNull()); }
Variant fnIsObject(Interpreter &, std::span<Variant> a) { return Variant::boolean(a[0].isObject()); }
Variant fnIsArray(Interpreter &, std::span<Variant> a) { return Variant::boolean(a[0].isArray()); }

Variant fnIsDate(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].type() == VarType::Date)
        return Variant::boolean(true);
    double serial;
    return Variant::boolean(a[0].isString() && datetime::parse(a[0].stringValue(), interp.language(), false, serial));
}

Variant fnTypeName(Interpreter &, std::span<Variant> a)
{
    const Variant &v = a[0];
    switch (v.type()) {
    case VarType::Empty: return Variant::string(u"Empty");
    case VarType::Null: return Variant::string(u"Null");
    case VarType::Integer: return Variant::string(u"Integer");
    case VarType::Long: return Variant::string(u"Long");
    case VarType::Single: return Variant::string(u"Single");
    case VarType::Double: return Variant::string(u"Double");
    case VarType::Currency: return Variant::string(u"Currency");
    case VarType::Date: return Variant::string(u"Date");
    case VarType::String: return Variant::string(u"String");
    case VarType::Boolean: return Variant::string(u"Boolean");
    case VarType::Byte: return Variant::string(u"Byte");
    case VarType::Error: return Variant::string(u"Error");
    case VarType::Array: return Variant::string(u"Variant()");
    case VarType::Object:
        return Variant::string(v.isNothing() ? std::u16string(u"Nothing") : v.objectValue()->typeName());
    }
    return Variant::string(u"Unknown");
}

Variant fnVarType(Interpreter &, std::span<Variant> a)
{
    return Variant::integer(int16_t(a[0].type()));
}

constexpr BuiltinInfo kConversions[] = {
    {u"CInt", 1, 1, fnCInt},         {u"CLng", 1, 1, fnCLng},         {u"CDbl", 1, 1, fnCDbl},
    {u"CSng", 1, 1, fnCSng},         {u"CStr", 1, 1, fnCStr},         {u"CBool", 1, 1, fnCBool},
    {u"CByte", 1, 1, fnCByte},       {u"CDate", 1, 1, fnCDate},       {u"CCur", 1, 1, fnCCur},
    {u"Hex", 1, 1, fnHex},           {u"Oct", 1, 1, fnOct},           {u"IsNumeric", 1, 1, fnIsNumeric},
    {u"IsEmpty", 1, 1, fnIsEmpty},   {u"IsNull", 1, 1, fnIsNull},     {u"IsObject", 1, 1, fnIsObject},
    {u"IsArray", 1, 1, fnIsArray},   {u"IsDate", 1, 1, fnIsDate},     {u"TypeName", 1, 1, fnTypeName},
    {u"VarType", 1, 1, fnVarType},
};

} // namespace

std::span<const BuiltinInfo> conversionBuiltins()
{
    return kConversions;
}

} // namespace vbs
