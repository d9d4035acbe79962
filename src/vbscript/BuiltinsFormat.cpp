#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/Locale.h"

namespace vbs {

namespace {

using namespace builtin;

constexpr int kUseDefault = -2;

int tristate(std::span<Variant> a, size_t index)
{
    return present(a, index) ? conv::toLong(a[index]) : kUseDefault;
}

bool yes(int value, bool fallback)
{
    return value == kUseDefault ? fallback : value != 0;
}

int digitsArg(std::span<Variant> a)
{
    const int digits = longArg(a, 1, -1);
    if (digits < -1 || digits > 255)
        throw ScriptError(errors::InvalidCall);
    return digits == -1 ? 2 : digits;
}

// The Format functions refuse Null with 13 and leave Empty where their result was going.
Variant formatted(const Variant &value)
{
    Variant v = conv::scalar(value);
    if (v.isNull()) {
        ScriptError error(errors::TypeMismatch);
        error.setEmptiesTarget(true);
        throw error;
    }
    return v;
}

double amount(const Variant &value)
{
    return conv::toDouble(formatted(value));
}

Variant fnFormatNumber(Interpreter &interp, std::span<Variant> a)
{
    const double value = amount(a[0]);
    return Variant::string(interp.locale().number(value, digitsArg(a), yes(tristate(a, 2), true),
                                                  yes(tristate(a, 3), false), yes(tristate(a, 4), true)));
}

Variant fnFormatCurrency(Interpreter &interp, std::span<Variant> a)
{
    const double value = amount(a[0]);
    const Locale &locale = interp.locale();
    return Variant::string(locale.money(value, digitsArg(a), yes(tristate(a, 2), true),
                                        yes(tristate(a, 3), locale.negativeCurrencyInParentheses),
                                        yes(tristate(a, 4), true)));
}

Variant fnFormatPercent(Interpreter &interp, std::span<Variant> a)
{
    const double value = amount(a[0]);
    return Variant::string(interp.locale().percent(value, digitsArg(a), yes(tristate(a, 2), true),
                                                   yes(tristate(a, 3), false), yes(tristate(a, 4), true)));
}

Variant fnFormatDateTime(Interpreter &interp, std::span<Variant> a)
{
    const double serial = conv::toDate(formatted(a[0]), interp.language());
    const int format = longArg(a, 1, 0);
    if (format < 0 || format > 4)
        throw ScriptError(errors::InvalidCall);
    return Variant::string(interp.locale().date(serial, format));
}

Variant fnMonthName(Interpreter &interp, std::span<Variant> a)
{
    const int month = conv::toLong(a[0]);
    if (month < 1 || month > 12)
        throw ScriptError(errors::InvalidCall);
    return Variant::string(interp.locale().monthName(month, present(a, 1) && conv::toBool(a[1])));
}

Variant fnWeekdayName(Interpreter &interp, std::span<Variant> a)
{
    const int weekday = conv::toLong(a[0]);
    int first = longArg(a, 2, 1);
    if (first == 0)
        first = interp.locale().firstDayOfWeek;
    if (weekday < 1 || weekday > 7 || first < 1 || first > 7)
        throw ScriptError(errors::InvalidCall);
    const int day = (weekday - 1 + first - 1) % 7 + 1;
    return Variant::string(interp.locale().dayName(day, present(a, 1) && conv::toBool(a[1])));
}

Variant fnGetLocale(Interpreter &interp, std::span<Variant>)
{
    return Variant::longValue(interp.locale().lcid);
}

Variant fnSetLocale(Interpreter &interp, std::span<Variant> a)
{
    const int32_t previous = interp.locale().lcid;
    const Locale *chosen = &interp.userLocale();
    if (present(a, 0)) {
        const Variant value = conv::scalar(a[0]);
        if (value.isString()) {
            double number;
            chosen = conv::parseNumber(value.stringValue(), number) ? Locale::find(conv::toLong(value))
                                                                     : Locale::find(value.stringValue());
        } else if (conv::toLong(value) != 0) {
            chosen = Locale::find(conv::toLong(value));
        }
    }
    if (!chosen)
        throw ScriptError(errors::InvalidCall);
    interp.setLocale(*chosen);
    return Variant::longValue(previous);
}

constexpr BuiltinInfo kFormats[] = {
    {u"FormatNumber", 1, 5, fnFormatNumber},
    {u"FormatCurrency", 1, 5, fnFormatCurrency},
    {u"FormatPercent", 1, 5, fnFormatPercent},
    {u"FormatDateTime", 1, 2, fnFormatDateTime},
    {u"MonthName", 1, 2, fnMonthName},
    {u"WeekdayName", 1, 3, fnWeekdayName},
    {u"GetLocale", 0, 0, fnGetLocale},
    {u"SetLocale", 0, 1, fnSetLocale},
};

} // namespace

std::span<const BuiltinInfo> formatBuiltins()
{
    return kFormats;
}

} // namespace vbs
