#include "vbscript/Locale.h"

#include "vbscript/Conversion.h"
#include "vbscript/DateTime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vbs {

namespace {

using Order = Locale::DateOrder;
using Long = Locale::LongDate;

constexpr char16_t kNoBreakSpace = 0xA0;

constexpr Locale kLocales[] = {
    {1033, u"en-us", false, u'.', u',', u"$", true, true, Order::MonthDayYear, u'/', false, Long::WeekdayMonthDayYear, true, 1, 1},
    {2057, u"en-gb", false, u'.', u',', u"£", true, false, Order::DayMonthYear, u'/', true, Long::DayMonthYear, false, 2, 2},
    {1036, u"fr-fr", true, u',', kNoBreakSpace, u"€", false, false, Order::DayMonthYear, u'/', true, Long::WeekdayDayMonthYear, false, 2, 2},
    {2060, u"fr-be", true, u',', u'.', u"€", false, false, Order::DayMonthYear, u'/', true, Long::WeekdayDayMonthYear, false, 2, 2},
    {3084, u"fr-ca", true, u',', kNoBreakSpace, u"$", false, false, Order::YearMonthDay, u'-', true, Long::DayMonthYear, false, 1, 1},
    {4108, u"fr-ch", true, u'.', u'\'', u"CHF", true, false, Order::DayMonthYear, u'.', true, Long::WeekdayDayMonthYear, false, 2, 2},
};

constexpr const char16_t *kMonths[2][2][12] = {
    {{u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September", u"October",
      u"November", u"December"},
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"}},
    {{u"janvier", u"février", u"mars", u"avril", u"mai", u"juin", u"juillet", u"août", u"septembre", u"octobre",
      u"novembre", u"décembre"},
     {u"janv.", u"févr.", u"mars", u"avr.", u"mai", u"juin", u"juil.", u"août", u"sept.", u"oct.", u"nov.", u"déc."}},
};

constexpr const char16_t *kDays[2][2][7] = {
    {{u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
     {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"}},
    {{u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi"},
     {u"dim.", u"lun.", u"mar.", u"mer.", u"jeu.", u"ven.", u"sam."}},
};

std::u16string padded(int value, int width)
{
    std::u16string text = conv::fromAscii(std::to_string(value));
    while (int(text.size()) < width)
        text.insert(text.begin(), u'0');
    return text;
}

} // namespace

const Locale *Locale::find(int32_t lcid)
{
    for (const Locale &locale : kLocales)
        if (locale.lcid == lcid)
            return &locale;
    return nullptr;
}

const Locale *Locale::find(std::u16string_view tag)
{
    std::u16string folded;
    for (char16_t c : tag)
        folded += c == u'_' ? u'-' : (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    for (const Locale &locale : kLocales)
        if (folded == locale.tag)
            return &locale;
    return nullptr;
}

const Locale &Locale::standard(Language language)
{
    return *find(language == Language::French ? 1036 : 1033);
}

const Locale &Locale::nearest(int32_t lcid)
{
    if (const Locale *exact = find(lcid))
        return *exact;
    constexpr int32_t kPrimaryEnglish = 0x09;
    return *find((lcid & 0x3FF) == kPrimaryEnglish ? 1033 : 1036);
}

const Locale &Locale::fromPosix(std::string_view name)
{
    const std::string_view base = name.substr(0, name.find_first_of(".@"));
    if (base.empty() || base == "C" || base == "POSIX")
        return *find(1033);
    std::u16string tag;
    for (char c : base)
        tag += char16_t(static_cast<unsigned char>(c));
    if (const Locale *exact = find(tag))
        return *exact;
    const bool english = base.size() >= 2 && base.substr(0, 2) == "en" && (base.size() == 2 || base[2] == '_');
    return *find(english ? 1033 : 1036);
}

const Locale &Locale::fromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char *value = std::getenv(variable); value && *value)
            return fromPosix(value);
    return fromPosix("C");
}

std::u16string Locale::monthName(int month, bool abbreviate) const
{
    return kMonths[french][abbreviate][month - 1];
}

std::u16string Locale::dayName(int day, bool abbreviate) const
{
    return kDays[french][abbreviate][day - 1];
}

std::u16string Locale::number(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const
{
    // Half away from zero on the decimal text, so that 2.675 gives 2.68 as written.
    char buffer[800]; // the largest Double has 309 digits, and up to 258 follow the point
    std::snprintf(buffer, sizeof buffer, "%.*f", digits + 3, std::fabs(value));
    const double parsed = std::strtod(buffer, nullptr);
    const double scaled = parsed * std::pow(10.0, digits);
    const double magnitude = std::isfinite(scaled) ? std::floor(scaled + 0.5) / std::pow(10.0, digits) : parsed;
    std::snprintf(buffer, sizeof buffer, "%.*f", digits, magnitude);
    std::string text = buffer;
    const bool negative = value < 0 && magnitude != 0;
    const size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    std::u16string out;
    if (!(whole == "0" && !leadingDigit && digits > 0)) {
        for (size_t i = 0; i < whole.size(); ++i) {
            if (grouping && i > 0 && (whole.size() - i) % 3 == 0)
                out += group;
            out += char16_t(whole[i]);
        }
    }
    if (digits > 0)
        out += decimal + conv::fromAscii(fraction);
    if (negative)
        return parentheses ? u"(" + out + u")" : u"-" + out;
    return out;
}

std::u16string Locale::money(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const
{
    std::u16string amount = number(value, digits, leadingDigit, false, grouping);
    const bool negative = !amount.empty() && amount[0] == u'-';
    if (negative)
        amount.erase(0, 1);
    const std::u16string symbol = currency;
    std::u16string text = currencyFirst ? symbol + (symbol.size() > 1 ? u" " : u"") + amount
                                        : amount + kNoBreakSpace + symbol;
    if (!negative)
        return text;
    if (parentheses)
        return u"(" + text + u")";
    return u"-" + text;
}

std::u16string Locale::percent(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const
{
    return number(value * 100, digits, leadingDigit, parentheses, grouping) + (french ? u"\u00A0%" : u"%");
}

std::u16string Locale::date(double serial, int namedFormat) const
{
    const datetime::Parts p = datetime::partsFromSerial(serial);
    auto shortDate = [&] {
        const int width = twoDigitDayMonth ? 2 : 1;
        const std::u16string sep(1, dateSeparator);
        switch (order) {
        case Order::MonthDayYear: return padded(p.month, width) + sep + padded(p.day, width) + sep + padded(p.year, 4);
        case Order::DayMonthYear: return padded(p.day, width) + sep + padded(p.month, width) + sep + padded(p.year, 4);
        case Order::YearMonthDay: break;
        }
        return padded(p.year, 4) + sep + padded(p.month, width) + sep + padded(p.day, width);
    };
    auto longDateText = [&] {
        const std::u16string weekday = dayName(datetime::weekday(serial), false);
        const std::u16string month = monthName(p.month, false);
        switch (longDate) {
        case Long::WeekdayMonthDayYear:
            return weekday + u", " + month + u" " + padded(p.day, 1) + u", " + padded(p.year, 4);
        case Long::DayMonthYear: return padded(p.day, french ? 1 : 2) + u" " + month + u" " + padded(p.year, 4);
        case Long::WeekdayDayMonthYear: break;
        }
        return weekday + u" " + padded(p.day, 1) + u" " + month + u" " + padded(p.year, 4);
    };
    auto longTime = [&] {
        if (!twelveHour)
            return padded(p.hour, 2) + u":" + padded(p.minute, 2) + u":" + padded(p.second, 2);
        const int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        return padded(h12, 1) + u":" + padded(p.minute, 2) + u":" + padded(p.second, 2) + (p.hour < 12 ? u" AM" : u" PM");
    };
    switch (namedFormat) {
    case 1: return longDateText();
    case 2: return shortDate();
    case 3: return longTime();
    case 4: return padded(p.hour, 2) + u":" + padded(p.minute, 2);
    default: break;
    }
    const double days = std::trunc(serial);
    const bool hasTime = serial != days;
    std::u16string text;
    if (days != 0 || !hasTime)
        text = shortDate();
    if (hasTime)
        text += (text.empty() ? u"" : u" ") + longTime();
    return text;
}

} // namespace vbs
