' Number and date formatting, names of months and days, and the locale.
nb = ChrW(160)
ok GetLocale() = 1033, "an English engine starts in English (United States)"
ok FormatNumber(1234.5) = "1,234.50", "FormatNumber with the defaults"
ok FormatNumber(1234.5678, 3) = "1,234.568", "digits after the point"
ok FormatNumber(2.5, 0) = "3" And FormatNumber(-2.5, 0) = "-3", "halves round away from zero"
ok FormatNumber(0.5, 2, vbFalse) = ".50", "no leading digit"
ok FormatNumber(0.5, 2, vbTrue) = "0.50", "leading digit"
ok FormatNumber(-12, 0, , vbTrue) = "(12)", "parentheses for negatives"
ok FormatNumber(1234567, 0, , , vbFalse) = "1234567", "without grouping"
ok FormatNumber("3.14159", 2) = "3.14", "numeric text"
ok FormatNumber(Empty) = "0.00", "Empty is zero"
ok FormatNumber(-0.001, 2) = "0.00", "a negative that rounds to zero has no sign"
ok FormatNumber(True) = "-1.00", "True is -1"
ok FormatCurrency(1234.5) = "$1,234.50", "FormatCurrency"
ok FormatCurrency(-1234.5) = "($1,234.50)", "negative currency in parentheses"
ok FormatCurrency(-5, 0, , vbFalse) = "-$5", "parentheses turned off"
ok FormatPercent(0.125) = "12.50%", "FormatPercent"
ok FormatPercent(1, 0) = "100%", "FormatPercent without decimals"
ok FormatDateTime(#5/17/2024 14:05:09#) = "5/17/2024 2:05:09 PM", "vbGeneralDate"
ok FormatDateTime(#5/17/2024#, vbLongDate) = "Friday, May 17, 2024", "vbLongDate"
ok FormatDateTime(#5/17/2024#, vbShortDate) = "5/17/2024", "vbShortDate"
ok FormatDateTime(#2:05:09 PM#, vbLongTime) = "2:05:09 PM", "vbLongTime"
ok FormatDateTime(#2:05:09 PM#, vbShortTime) = "14:05", "vbShortTime is on 24 hours"
ok FormatDateTime("5/17/2024") = "5/17/2024", "date text"
ok MonthName(1) = "January" And MonthName(12, True) = "Dec", "MonthName"
ok WeekdayName(1) = "Sunday" And WeekdayName(2, True) = "Mon", "WeekdayName"
ok WeekdayName(1, False, vbMonday) = "Monday", "WeekdayName from another first day"
ok DatePart("yyyy", #5/17/2024#) = 2024 And DatePart("q", #5/17/2024#) = 2, "DatePart year and quarter"
ok DatePart("m", #5/17/2024#) = 5 And DatePart("d", #5/17/2024#) = 17, "DatePart month and day"
ok DatePart("y", #3/1/2024#) = 61, "DatePart day of the year (leap year)"
ok DatePart("w", #5/17/2024#) = 6 And DatePart("w", #5/17/2024#, vbMonday) = 5, "DatePart weekday"
ok DatePart("h", #5/17/2024 14:05:09#) = 14 And DatePart("n", #14:05:09#) = 5 And DatePart("s", #14:05:09#) = 9, "DatePart time"
ok DatePart("ww", #1/1/2024#) = 1 And DatePart("ww", #12/31/2024#) = 53, "DatePart week from 1 January"
ok DatePart("ww", #1/1/2021#, vbMonday, vbFirstFourDays) = 53, "week of four days: 1 January 2021 is in the last week of 2020"
ok DatePart("ww", #1/4/2021#, vbMonday, vbFirstFourDays) = 1, "4 January 2021 starts week 1"
ok DatePart("ww", #1/3/2021#, vbSunday, vbFirstFullWeek) = 1 And DatePart("ww", #1/2/2021#, vbSunday, vbFirstFullWeek) = 52, "first full week"
ok VarType(DatePart("d", Now)) = vbInteger, "DatePart gives an Integer"
ok IsNull(DatePart("d", Null)), "DatePart of Null"

previous = SetLocale(1036)
ok previous = 1033 And GetLocale() = 1036, "SetLocale returns the previous locale"
ok FormatNumber(1234.5) = "1" & nb & "234,50", "French numbers"
ok FormatCurrency(-1234.5) = "-1" & nb & "234,50" & nb & ChrW(8364), "French currency"
ok FormatPercent(0.125) = "12,50" & nb & "%", "French percent"
ok FormatDateTime(#5/17/2024 14:05:09#) = "17/05/2024 14:05:09", "French general date"
ok FormatDateTime(#5/17/2024#, vbLongDate) = "vendredi 17 mai 2024", "French long date"
ok MonthName(2) = "février" And MonthName(2, True) = "févr.", "French month names"
ok WeekdayName(1, False, vbUseSystemDayOfWeek) = "lundi", "the French week starts on Monday"
ok DatePart("ww", #1/1/2021#, vbUseSystemDayOfWeek, vbUseSystem) = 53, "French week numbers"
ok CStr(1.5) = "1.5", "implicit conversions keep the point"
SetLocale "en-gb"
ok GetLocale() = 2057 And FormatCurrency(-3) = "-£3.00", "a locale by its name"
ok FormatDateTime(#5/17/2024#, vbShortDate) = "17/05/2024", "British short date"
SetLocale 0
ok GetLocale() = 1033, "0 is the engine's own locale"

On Error Resume Next
SetLocale 12345
ok Err.Number = 5 And GetLocale() = 1033, "an unknown locale: " & Err.Number
Err.Clear
x = MonthName(13)
ok Err.Number = 5, "MonthName(13)"
Err.Clear
x = WeekdayName(1, False, 8)
ok Err.Number = 5, "WeekdayName with a bad first day"
Err.Clear
x = FormatDateTime(Now, 5)
ok Err.Number = 5, "FormatDateTime with a bad format"
Err.Clear
x = DatePart("x", Now)
ok Err.Number = 5, "DatePart with a bad interval"
Err.Clear
x = FormatNumber("abc")
ok Err.Number = 13, "FormatNumber of text"
Err.Clear
x = FormatNumber(Null)
ok Err.Number = 13 And IsEmpty(x), "FormatNumber of Null: type mismatch, and the variable left Empty"
Err.Clear
On Error GoTo 0
