#include "vbscript/Conversion.h"

#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/HostObject.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace vbs::conv {

Variant defaultValue(const Variant &value)
{
    if (value.isNothing())
        throw ScriptError(errors::ObjectNotSet);
    Variant result = value.objectValue()->invoke(u"", Invoke::Get, std::span<Variant>());
    if (result.isObject())
        throw ScriptError(errors::TypeMismatch);
    return result;
}

Variant scalar(const Variant &value)
{
    return value.isObject() ? defaultValue(value) : value;
}

std::u16string fromAscii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

bool parseNumber(std::u16string_view text, double &value)
{
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == u' ' || text[b] == u'\t'))
        ++b;
    while (e > b && (text[e - 1] == u' ' || text[e - 1] == u'\t'))
        --e;
    if (b == e || e - b > 400)
        return false;
    std::u16string_view t = text.substr(b, e - b);
    if (t.size() > 2 && t[0] == u'&') {
        const char16_t k = t[1] | 0x20;
        const int base = k == u'h' ? 16 : k == u'o' ? 8 : 0;
        if (!base)
            return false;
        uint64_t v = 0;
        for (size_t i = 2; i < t.size(); ++i) {
            int d;
            const char16_t c = t[i];
            if (c >= u'0' && c <= u'9')
                d = c - u'0';
            else if (base == 16 && (c | 0x20) >= u'a' && (c | 0x20) <= u'f')
                d = (c | 0x20) - u'a' + 10;
            else
                return false;
            if (d >= base)
                return false;
            v = v * base + d;
            if (v > 0xFFFFFFFFull)
                return false;
        }
        value = double(v <= 0xFFFF && t.size() <= 6 && base == 16 ? int16_t(v) : int32_t(uint32_t(v)));
        return true;
    }
    std::string plain;
    size_t i = 0;
    if (t[i] == u'+' || t[i] == u'-')
        plain += char(t[i++]);
    bool digits = false;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
        plain += char(t[i++]), digits = true;
    if (i < t.size() && t[i] == u'.') {
        plain += char(t[i++]);
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
            plain += char(t[i++]), digits = true;
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
            plain += char(t[i++]);
        bool expDigits = false;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
            plain += char(t[i++]), expDigits = true;
        if (!expDigits)
            return false;
    }
    if (i != t.size())
        return false;
    value = std::strtod(plain.c_str(), nullptr);
    return std::isfinite(value);
}

double toDouble(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty: return 0;
    case VarType::Null: throw ScriptError(errors::InvalidNull);
    case VarType::Boolean: return value.boolValue() ? -1 : 0;
    case VarType::Integer: return value.intValue();
    case VarType::Long: return value.longValue();
    case VarType::Single: return value.singleValue();
    case VarType::Double: return value.doubleValue();
    case VarType::Currency: return double(value.currencyValue()) / 10000.0;
    case VarType::Date: return value.dateValue();
    case VarType::Byte: return value.byteValue();
    case VarType::String: {
        double d = 0;
        if (parseNumber(value.stringValue(), d))
            return d;
        // A number written in full but beyond a Double ("1E309") overflows.
        throw ScriptError(std::isinf(d) ? errors::Overflow : errors::TypeMismatch);
    }
    case VarType::Object: return toDouble(defaultValue(value));
    default: throw ScriptError(errors::TypeMismatch);
    }
}

int64_t roundHalfEven(double value)
{
    return int64_t(std::nearbyint(value));
}

double roundHalfEven(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    double r = std::nearbyint(scaled);
    // Values such as 2.675 are stored a hair below; round on the decimal text instead.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", digits + 1, value);
    double viaText = std::strtod(buffer, nullptr) * scale;
    if (std::fabs(viaText - scaled) < 1e-6)
        r = std::nearbyint(viaText);
    return r / scale;
}

int32_t toLong(const Variant &value)
{
    if (value.type() == VarType::Long)
        return value.longValue();
    if (value.type() == VarType::Integer)
        return value.intValue();
    // Rounded to even first, then checked: -2147483648.5 is still a Long.
    const double d = std::nearbyint(toDouble(value));
    if (!(d >= -2147483648.0 && d <= 2147483647.0))
        throw ScriptError(errors::Overflow);
    return int32_t(d);
}

int16_t toInteger(const Variant &value)
{
    const double d = std::nearbyint(toDouble(value));
    if (!(d >= -32768.0 && d <= 32767.0))
        throw ScriptError(errors::Overflow);
    return int16_t(d);
}

bool toBool(const Variant &value)
{
    switch (value.type()) {
    case VarType::Boolean: return value.boolValue();
    case VarType::Empty: return false;
    case VarType::Null: throw ScriptError(errors::InvalidNull);
    case VarType::String: {
        const std::u16string folded = [&] {
            std::u16string s;
            for (char16_t c : value.stringValue())
                s += (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
            return s;
        }();
        if (folded == u"true" || folded == u"vrai" || folded == u"#true#")
            return true;
        if (folded == u"false" || folded == u"faux" || folded == u"#false#")
            return false;
        double d;
        if (parseNumber(value.stringValue(), d))
            return d != 0;
        throw ScriptError(errors::TypeMismatch);
    }
    case VarType::Object: return toBool(defaultValue(value));
    case VarType::Array: throw ScriptError(errors::TypeMismatch);
    default: return toDouble(value) != 0;
    }
}

std::u16string formatDouble(double value)
{
    if (value == 0)
        return u"0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return fromAscii(buffer);
}

std::u16string formatSingle(float value)
{
    if (value == 0)
        return u"0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7G", double(value));
    return fromAscii(buffer);
}

float toSingle(double value)
{
    if (!(std::fabs(value) <= 3.402823466e38))
        throw ScriptError(errors::Overflow);
    return float(value);
}

Variant toCurrency(double value)
{
    const double scaled = std::nearbyint(value * 10000.0);
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(scaled >= -kLimit && scaled < kLimit))
        throw ScriptError(errors::Overflow);
    return Variant::currency(int64_t(scaled));
}

std::u16string formatCurrency(int64_t scaled)
{
    const bool negative = scaled < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(scaled) : uint64_t(scaled);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return fromAscii((negative ? "-" : "") + text);
}

std::u16string toString(const Variant &value, Language language)
{
    switch (value.type()) {
    case VarType::Empty: return {};
    case VarType::Null: throw ScriptError(errors::InvalidNull);
    case VarType::Boolean: return value.boolValue() ? u"True" : u"False";
    case VarType::Integer: return fromAscii(std::to_string(value.intValue()));
    case VarType::Long: return fromAscii(std::to_string(value.longValue()));
    case VarType::Byte: return fromAscii(std::to_string(value.byteValue()));
    case VarType::Single: return formatSingle(value.singleValue());
    case VarType::Double: return formatDouble(value.doubleValue());
    case VarType::Currency: return formatCurrency(value.currencyValue());
    case VarType::Date: return datetime::format(value.dateValue(), language);
    case VarType::String: return value.stringValue();
    case VarType::Object: return toString(defaultValue(value), language);
    default: throw ScriptError(errors::TypeMismatch);
    }
}

double toDate(const Variant &value, Language language)
{
    double serial;
    switch (value.type()) {
    case VarType::Date: return value.dateValue();
    case VarType::String:
        if (datetime::parse(value.stringValue(), language, false, serial))
            return serial;
        if (parseNumber(value.stringValue(), serial) && datetime::validSerial(serial))
            return serial;
        throw ScriptError(errors::TypeMismatch);
    case VarType::Null: throw ScriptError(errors::InvalidNull);
    case VarType::Object: return toDate(defaultValue(value), language);
    case VarType::Array: throw ScriptError(errors::TypeMismatch);
    default:
        serial = toDouble(value);
        if (!datetime::validSerial(serial))
            throw ScriptError(errors::Overflow);
        return serial;
    }
}

Variant toArithmetic(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty: return Variant::integer(0);
    case VarType::Boolean: return Variant::integer(value.boolValue() ? -1 : 0);
    case VarType::String: return Variant::real(toDouble(value));
    case VarType::Object: return toArithmetic(defaultValue(value));
    case VarType::Array: throw ScriptError(errors::TypeMismatch);
    default: return value;
    }
}

} // namespace vbs::conv
