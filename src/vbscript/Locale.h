#pragma once

#include "vbscript/ScriptError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

// The regional settings chosen by SetLocale. They govern FormatNumber, FormatCurrency,
// FormatPercent, FormatDateTime, MonthName, WeekdayName and the "system" first day of
// the week and first week of the year. Implicit conversions (CStr, &, CDbl of text)
// do not follow them: numbers always read and write "." there, and dates follow the
// engine's language, so that scripts that build numbers in text behave the same on
// every disc. The default is the user's locale (ScriptEngine::setLocale), else French
// (France, 1036) when the engine speaks French and English (United States, 1033) otherwise.
struct Locale
{
    enum class DateOrder : uint8_t { MonthDayYear, DayMonthYear, YearMonthDay };
    enum class LongDate : uint8_t { WeekdayMonthDayYear, DayMonthYear, WeekdayDayMonthYear };

    int32_t lcid;
    const char16_t *tag;
    bool french; // month and day names
    char16_t decimal;
    char16_t group;
    const char16_t *currency;
    bool currencyFirst;
    bool negativeCurrencyInParentheses;
    DateOrder order;
    char16_t dateSeparator;
    bool twoDigitDayMonth;
    LongDate longDate;
    bool twelveHour;
    int firstDayOfWeek;  // 1 Sunday, 2 Monday
    int firstWeekOfYear; // 1 the week of 1 January, 2 the first week of four days

    static const Locale *find(int32_t lcid); // 0: none
    static const Locale *find(std::u16string_view tag);
    static const Locale &standard(Language language);
    // The nearest locale for any Windows LCID: the same language and country when known,
    // the language's main country otherwise, French (France) for other languages.
    static const Locale &nearest(int32_t lcid);
    // The locale named by a POSIX locale ("en_US.UTF-8", "fr_CA", "C"): English for en_*,
    // C and POSIX, French for fr_* and anything else.
    static const Locale &fromPosix(std::string_view name);
    // The first set of LC_ALL, LC_MESSAGES and LANG, through fromPosix.
    static const Locale &fromEnvironment();

    // The language of messages (error descriptions, Err.Source) that goes with the locale.
    Language language() const { return french ? Language::French : Language::English; }

    std::u16string monthName(int month, bool abbreviate) const; // 1 to 12
    std::u16string dayName(int day, bool abbreviate) const;     // 1 Sunday to 7 Saturday
    // Fixed-point text with the locale's separators; half away from zero.
    std::u16string number(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const;
    std::u16string money(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const;
    std::u16string percent(double value, int digits, bool leadingDigit, bool parentheses, bool grouping) const;
    // vbGeneralDate 0, vbLongDate 1, vbShortDate 2, vbLongTime 3, vbShortTime 4.
    std::u16string date(double serial, int namedFormat) const;
};

} // namespace vbs
