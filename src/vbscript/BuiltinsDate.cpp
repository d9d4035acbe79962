#include "vbscript/Builtins.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"
#include "vbscript/ErrorMessages.h"
#include "vbscript/Interpreter.h"
#include "vbscript/Operators.h"

#include <cmath>

namespace vbs {

namespace {

using datetime::Parts;

Variant checkedDate(double serial)
{
    if (!datetime::validSerial(serial))
        throw ScriptError(errors::InvalidCall);
    return Variant::date(serial);
}

double dateOf(Interpreter &interp, const Variant &v)
{
    return conv::toDate(v, interp.language());
}

Variant part(Interpreter &interp, std::span<Variant> a, int Parts::*field)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::integer(int16_t(datetime::partsFromSerial(dateOf(interp, a[0])).*field));
}

Variant fnNow(Interpreter &, std::span<Variant>) { return Variant::date(datetime::now()); }
Variant fnDate(Interpreter &, std::span<Variant>) { return Variant::date(std::floor(datetime::now())); }

Variant fnTime(Interpreter &, std::span<Variant>)
{
    const double now = datetime::now();
    return Variant::date(now - std::floor(now));
}

Variant fnTimer(Interpreter &, std::span<Variant>)
{
    const double now = datetime::now();
    return Variant::single(float(std::round((now - std::floor(now)) * 86400.0)));
}

Variant fnYear(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::year); }
Variant fnMonth(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::month); }
Variant fnDay(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::day); }
Variant fnHour(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::hour); }
Variant fnMinute(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::minute); }
Variant fnSecond(Interpreter &i, std::span<Variant> a) { return part(i, a, &Parts::second); }

int firstDay(Interpreter &interp, std::span<Variant> a, size_t index)
{
    int first = builtin::longArg(a, index, 1);
    if (first == 0)
        first = interp.locale().firstDayOfWeek;
    if (first < 1 || first > 7)
        throw ScriptError(errors::InvalidCall);
    return first;
}

Variant fnWeekday(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const int first = firstDay(interp, a, 1);
    const int day = datetime::weekday(dateOf(interp, a[0]));
    return Variant::integer(int16_t((day - first + 7) % 7 + 1));
}

std::u16string interval(Interpreter &interp, const Variant &v)
{
    std::u16string s = builtin::textArg(interp, v);
    for (char16_t &c : s)
        c = ops::lower(c);
    return s;
}

double addMonths(double serial, int64_t months)
{
    const Parts p = datetime::partsFromSerial(serial);
    const int64_t total = int64_t(p.year) * 12 + (p.month - 1) + months;
    if (total < 100 * 12 || total >= 10000 * 12)
        throw ScriptError(errors::InvalidCall);
    const int year = int(total / 12), month = int(total % 12) + 1;
    const double firstOfNext = datetime::serialFromDate(year, month + 1, 1);
    const double lastDay = firstOfNext - datetime::serialFromDate(year, month, 1);
    const double day = std::min(double(p.day), lastDay);
    const double date = datetime::serialFromDate(year, month, int(day));
    const double time = std::fabs(serial - std::trunc(serial));
    return date < 0 ? date - time : date + time;
}

Variant fnDateAdd(Interpreter &interp, std::span<Variant> a)
{
    if (a[1].isNull() || a[2].isNull())
        return Variant::null();
    const std::u16string unit = interval(interp, a[0]);
    const double n = std::trunc(conv::toDouble(a[1]));
    const double d = dateOf(interp, a[2]);
    if (std::fabs(n) > 1e10)
        throw ScriptError(errors::InvalidCall);
    if (unit == u"yyyy")
        return checkedDate(addMonths(d, int64_t(n) * 12));
    if (unit == u"q")
        return checkedDate(addMonths(d, int64_t(n) * 3));
    if (unit == u"m")
        return checkedDate(addMonths(d, int64_t(n)));
    if (unit == u"y" || unit == u"d" || unit == u"w")
        return checkedDate(d + n);
    if (unit == u"ww")
        return checkedDate(d + 7 * n);
    if (unit == u"h")
        return checkedDate(d + n / 24.0);
    if (unit == u"n")
        return checkedDate(d + n / 1440.0);
    if (unit == u"s")
        return checkedDate(d + n / 86400.0);
    throw ScriptError(errors::InvalidCall);
}

Variant fnDateDiff(Interpreter &interp, std::span<Variant> a)
{
    if (a[1].isNull() || a[2].isNull())
        return Variant::null();
    const std::u16string unit = interval(interp, a[0]);
    const double d1 = dateOf(interp, a[1]), d2 = dateOf(interp, a[2]);
    const Parts p1 = datetime::partsFromSerial(d1), p2 = datetime::partsFromSerial(d2);
    const double day1 = std::floor(d1), day2 = std::floor(d2);
    auto seconds = [](double d) { return std::floor(d * 86400.0 + 0.5); };
    double r;
    if (unit == u"yyyy")
        r = p2.year - p1.year;
    else if (unit == u"q")
        r = (p2.year * 4 + (p2.month - 1) / 3) - (p1.year * 4 + (p1.month - 1) / 3);
    else if (unit == u"m")
        r = (p2.year * 12 + p2.month) - (p1.year * 12 + p1.month);
    else if (unit == u"y" || unit == u"d")
        r = day2 - day1;
    else if (unit == u"w")
        r = std::trunc((day2 - day1) / 7);
    else if (unit == u"ww") {
        const int first = firstDay(interp, a, 3);
        auto weekStart = [&](double day) { return day - (datetime::weekday(day) - first + 7) % 7; };
        r = (weekStart(day2) - weekStart(day1)) / 7;
    } else if (unit == u"h")
        r = std::floor(seconds(d2) / 3600) - std::floor(seconds(d1) / 3600);
    else if (unit == u"n")
        r = std::floor(seconds(d2) / 60) - std::floor(seconds(d1) / 60);
    else if (unit == u"s")
        r = seconds(d2) - seconds(d1);
    else
        throw ScriptError(errors::InvalidCall);
    return Variant::fromInteger(int64_t(r));
}

// Week 1 of the year holds 1 January, or is the first with four days, or the first full week.
int weekOfYear(double day, int first, int rule)
{
    auto offset = [&](double d) { return (datetime::weekday(d) - first + 7) % 7; };
    auto weekOne = [&](int year) {
        const double jan1 = datetime::serialFromDate(year, 1, 1);
        const double start = jan1 - offset(jan1);
        if ((rule == 2 && 7 - offset(jan1) < 4) || (rule == 3 && offset(jan1) != 0))
            return start + 7;
        return start;
    };
    const int year = datetime::partsFromSerial(day).year;
    double start = weekOne(year);
    if (day < start)
        start = weekOne(year - 1);
    return int((day - start) / 7) + 1;
}

Variant fnDatePart(Interpreter &interp, std::span<Variant> a)
{
    if (a[1].isNull())
        return Variant::null();
    const std::u16string unit = interval(interp, a[0]);
    const double d = dateOf(interp, a[1]);
    const int first = firstDay(interp, a, 2);
    int rule = builtin::longArg(a, 3, 1);
    if (rule == 0)
        rule = interp.locale().firstWeekOfYear;
    if (rule < 1 || rule > 3)
        throw ScriptError(errors::InvalidCall);
    const Parts p = datetime::partsFromSerial(d);
    const double day = std::floor(d);
    int r;
    if (unit == u"yyyy")
        r = p.year;
    else if (unit == u"q")
        r = (p.month - 1) / 3 + 1;
    else if (unit == u"m")
        r = p.month;
    else if (unit == u"y")
        r = int(day - datetime::serialFromDate(p.year, 1, 1)) + 1;
    else if (unit == u"d")
        r = p.day;
    else if (unit == u"w")
        r = (datetime::weekday(d) - first + 7) % 7 + 1;
    else if (unit == u"ww")
        r = weekOfYear(day, first, rule);
    else if (unit == u"h")
        r = p.hour;
    else if (unit == u"n")
        r = p.minute;
    else if (unit == u"s")
        r = p.second;
    else
        throw ScriptError(errors::InvalidCall);
    return Variant::integer(int16_t(r));
}

Variant fnDateSerial(Interpreter &, std::span<Variant> a)
{
    int32_t year = conv::toLong(a[0]);
    const int32_t month = conv::toLong(a[1]), day = conv::toLong(a[2]);
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    if (std::abs(month) > 120000 || std::abs(day) > 4000000 || year < 0 || year > 10000)
        throw ScriptError(errors::InvalidCall);
    return checkedDate(datetime::serialFromDate(year, month, day));
}

Variant fnTimeSerial(Interpreter &, std::span<Variant> a)
{
    const double total = double(conv::toLong(a[0])) * 3600 + double(conv::toLong(a[1])) * 60 + conv::toLong(a[2]);
    return checkedDate(total / 86400.0);
}

Variant fnDateValue(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    return Variant::date(std::trunc(dateOf(interp, a[0])));
}

Variant fnTimeValue(Interpreter &interp, std::span<Variant> a)
{
    if (a[0].isNull())
        return Variant::null();
    const double d = dateOf(interp, a[0]);
    return Variant::date(std::fabs(d - std::trunc(d)));
}

constexpr BuiltinInfo kDates[] = {
    {u"Now", 0, 0, fnNow},
    {u"Date", 0, 0, fnDate},
    {u"Time", 0, 0, fnTime},
    {u"Timer", 0, 0, fnTimer},
    {u"Year", 1, 1, fnYear},
    {u"Month", 1, 1, fnMonth},
    {u"Day", 1, 1, fnDay},
    {u"Hour", 1, 1, fnHour},
    {u"Minute", 1, 1, fnMinute},
    {u"Second", 1, 1, fnSecond},
    {u"Weekday", 1, 2, fnWeekday},
    {u"DateAdd", 3, 3, fnDateAdd},
    {u"DateDiff", 3, 5, fnDateDiff},
    {u"DatePart", 2, 4, fnDatePart},
    {u"DateSerial", 3, 3, fnDateSerial},
    {u"TimeSerial", 3, 3, fnTimeSerial},
    {u"DateValue", 1, 1, fnDateValue},
    {u"TimeValue", 1, 1, fnTimeValue},
};

} // namespace

std::span<const BuiltinInfo> dateBuiltins()
{
    return kDates;
}

} // namespace vbs
