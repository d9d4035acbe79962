#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vbs {

namespace {

Variant numeric(const Variant &v)
{
    return conv::toArithmetic(conv::scalar(v));
}

Variant rounded(const Variant &in, double (*f)(double))
{
    const Variant v = numeric(in);
    switch (v.type()) {
    case VarType::Null:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte: return v;
    case VarType::Single: return Variant::single(float(f(v.singleValue())));
    case VarType::Currency: return Variant::currency(int64_t(f(double(v.currencyValue()) / 10000.0)) * 10000);
    case VarType::Date: return Variant::date(f(v.dateValue()));
    default: return Variant::real(f(conv::toDouble(v)));
    }
}

Variant fnInt(Interpreter &, std::span<Variant> a) { return rounded(a[0], std::floor); }
Variant fnFix(Interpreter &, std::span<Variant> a) { return rounded(a[0], std::trunc); }

Variant fnAbs(Interpreter &, std::span<Variant> a)
{
    const Variant v = numeric(a[0]);
    switch (v.type()) {
    case VarType::Null:
    case VarType::Byte: return v;
    case VarType::Integer: return Variant::fromInteger(std::abs(int64_t(v.intValue())));
    case VarType::Long: return Variant::fromInteger(std::abs(int64_t(v.longValue())));
    case VarType::Single: return Variant::single(std::fabs(v.singleValue()));
    case VarType::Currency: return Variant::currency(std::abs(v.currencyValue()));
    default: return Variant::real(std::fabs(conv::toDouble(v)));
    }
}

Variant fnSgn(Interpreter &, std::span<Variant> a)
{
    const Variant v = numeric(a[0]);
    if (v.isNull())
        return v;
    const double d = conv::toDouble(v);
    return Variant::integer(int16_t(d > 0 ? 1 : d < 0 ? -1 : 0));
}

Variant fnRound(Interpreter &, std::span<Variant> a)
{
    const Variant v = numeric(a[0]);
    if (v.isNull())
        return v;
    const int32_t requested = builtin::longArg(a, 1, 0);
    if (requested < 0)
        throw ScriptError(errors::InvalidCall);
    const int digits = std::min(requested, 15);
    switch (v.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte: return v;
    case VarType::Single: return Variant::single(float(conv::roundHalfEven(double(v.singleValue()), digits)));
    case VarType::Currency:
        return Variant::currency(int64_t(conv::roundHalfEven(double(v.currencyValue()) / 10000.0, digits) * 10000.0));
    default: return Variant::real(conv::roundHalfEven(conv::toDouble(v), digits));
    }
}

Variant math(std::span<Variant> a, double (*f)(double), bool positive, bool nonNegative)
{
    const Variant v = numeric(a[0]);
    if (v.isNull())
        return v;
    const double d = conv::toDouble(v);
    if ((positive && d <= 0) || (nonNegative && d < 0))
        throw ScriptError(errors::InvalidCall);
    const double r = f(d);
    if (std::isinf(r))
        throw ScriptError(errors::Overflow);
    if (std::isnan(r))
        throw ScriptError(errors::InvalidCall);
    return Variant::real(r);
}

Variant fnSqr(Interpreter &, std::span<Variant> a) { return math(a, std::sqrt, false, true); }
Variant fnSin(Interpreter &, std::span<Variant> a) { return math(a, std::sin, false, false); }
Variant fnCos(Interpreter &, std::span<Variant> a) { return math(a, std::cos, false, false); }
Variant fnTan(Interpreter &, std::span<Variant> a) { return math(a, std::tan, false, false); }
Variant fnAtn(Interpreter &, std::span<Variant> a) { return math(a, std::atan, false, false); }
Variant fnExp(Interpreter &, std::span<Variant> a) { return math(a, std::exp, false, false); }
Variant fnLog(Interpreter &, std::span<Variant> a) { return math(a, std::log, true, false); }

// The classic 24-bit linear congruential generator of the language: x = x * 0x43FD43FD + 0xC39EC3
// modulo 2^24, the result x / 2^24, starting from 0x50000.
Variant fnRnd(Interpreter &interp, std::span<Variant> a)
{
    uint32_t &seed = interp.rndSeed();
    // The argument is a Single: its sign chooses, and a negative one's bits become the seed.
    const float n = builtin::present(a, 0) ? conv::toSingle(conv::toDouble(a[0])) : 1.0f;
    if (n < 0) {
        uint32_t bits;
        std::memcpy(&bits, &n, sizeof bits);
        seed = (bits + (bits >> 24)) & 0xFFFFFF;
    }
    if (n != 0)
        seed = (seed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFF;
    return Variant::single(float(seed) / 16777216.0f);
}

// Keeps the seed's low byte and puts in its middle sixteen bits the two halves of the number's
// upper 32 bits (a Double's, or without argument the Single of Timer's seconds) folded by XOR.
Variant fnRandomize(Interpreter &interp, std::span<Variant> a)
{
    uint32_t upper;
    if (builtin::present(a, 0)) {
        const double n = conv::toDouble(a[0]);
        uint64_t bits;
        std::memcpy(&bits, &n, sizeof bits);
        upper = uint32_t(bits >> 32);
    } else {
        const double now = datetime::now();
        const float seconds = float((now - std::floor(now)) * 86400.0);
        std::memcpy(&upper, &seconds, sizeof upper);
    }
    uint32_t &seed = interp.rndSeed();
    seed = (seed & 0xFF0000FF) | ((((upper >> 16) ^ upper) & 0xFFFF) << 8);
    return {};
}

Variant fnRGB(Interpreter &, std::span<Variant> a)
{
    int32_t parts[3];
    for (int i = 0; i < 3; ++i) {
        parts[i] = conv::toLong(a[size_t(i)]);
        if (parts[i] < 0)
            throw ScriptError(errors::InvalidCall);
        parts[i] = std::min(parts[i], 255);
    }
    return Variant::longValue(parts[0] + 256 * parts[1] + 65536 * parts[2]);
}

constexpr BuiltinInfo kMath[] = {
    {u"Int", 1, 1, fnInt},       {u"Fix", 1, 1, fnFix},       {u"Abs", 1, 1, fnAbs},
    {u"Sgn", 1, 1, fnSgn},       {u"Round", 1, 2, fnRound},   {u"Sqr", 1, 1, fnSqr},
    {u"Sin", 1, 1, fnSin},       {u"Cos", 1, 1, fnCos},       {u"Tan", 1, 1, fnTan},
    {u"Atn", 1, 1, fnAtn},       {u"Exp", 1, 1, fnExp},       {u"Log", 1, 1, fnLog},
    {u"Rnd", 0, 1, fnRnd},       {u"Randomize", 0, 1, fnRandomize}, {u"RGB", 3, 3, fnRGB},
};

} // namespace

std::span<const BuiltinInfo> mathBuiltins()
{
    return kMath;
}

} // namespace vbs
