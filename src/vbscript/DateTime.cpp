#include "vbscript/DateTime.h"

#include <cmath>
#include <ctime>
#include <vector>

namespace vbs::datetime {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int &year, int &month, int &day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2));
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

std::u16string digits(int value, int width)
{
    std::u16string text;
    std::string plain = std::to_string(value);
    while (int(plain.size()) < width)
        plain.insert(plain.begin(), '0');
    for (char c : plain)
        text += char16_t(c);
    return text;
}

struct Cursor
{
    std::u16string_view text;
    size_t at = 0;
    void skipSpaces()
    {
        while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
            ++at;
    }
    bool number(int &value, int &width)
    {
        width = 0;
        value = 0;
        while (at < text.size() && text[at] >= u'0' && text[at] <= u'9' && width < 9) {
            value = value * 10 + (text[at] - u'0');
            ++at;
            ++width;
        }
        return width > 0;
    }
    bool take(char16_t c)
    {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool word(std::u16string_view w)
    {
        if (text.size() - at < w.size())
            return false;
        for (size_t i = 0; i < w.size(); ++i) {
            char16_t c = text[at + i];
            if (c >= u'a' && c <= u'z')
                c = char16_t(c - 32);
            if (c != w[i])
                return false;
        }
        at += w.size();
        return true;
    }
};

bool parseTime(Cursor &cursor, double &fraction)
{
    int h, m = 0, s = 0, w;
    if (!cursor.number(h, w))
        return false;
    bool colon = cursor.take(u':');
    if (colon) {
        if (!cursor.number(m, w))
            return false;
        if (cursor.take(u':') && !cursor.number(s, w))
            return false;
    }
    cursor.skipSpaces();
    bool pm = cursor.word(u"PM") || cursor.word(u"P");
    bool am = !pm && (cursor.word(u"AM") || cursor.word(u"A"));
    if (!colon && !am && !pm)
        return false;
    if (am || pm) {
        if (h < 1 || h > 12)
            return false;
        h = h % 12 + (pm ? 12 : 0);
    }
    if (h > 23 || m > 59 || s > 59)
        return false;
    fraction = serialFromTime(h, m, s);
    return true;
}

bool validDay(int year, int month, int day)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= lengths[month - 1] + (month == 2 && leap);
}

} // namespace

double serialFromDate(int year, int month, int day)
{
    int64_t y = year;
    int64_t m = month - 1;
    y += m >= 0 ? m / 12 : (m - 11) / 12;
    m = ((m % 12) + 12) % 12;
    return double(daysFromCivil(y, m + 1, 1) - kEpoch + int64_t(day) - 1);
}

double serialFromTime(int hour, int minute, int second)
{
    return (double(hour) * 3600 + double(minute) * 60 + double(second)) / 86400.0;
}

Parts partsFromSerial(double serial)
{
    Parts parts;
    if (!validSerial(serial))
        return parts;
    double days = std::trunc(serial);
    double fraction = std::fabs(serial - days);
    int64_t seconds = std::llround(fraction * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    civilFromDays(int64_t(days) + kEpoch, parts.year, parts.month, parts.day);
    parts.hour = int(seconds / 3600);
    parts.minute = int(seconds / 60 % 60);
    parts.second = int(seconds % 60);
    return parts;
}

int weekday(double serial)
{
    if (!validSerial(serial))
        return 1;
    int64_t days = int64_t(std::trunc(serial));
    // 30 December 1899 was a Saturday.
    return int(((days + 6) % 7 + 7) % 7) + 1;
}

bool validSerial(double serial)
{
    return std::isfinite(serial) && serial >= -657434.0 && serial < 2958466.0;
}

double now()
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return serialFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           serialFromTime(local.tm_hour, local.tm_min, local.tm_sec);
}

std::u16string format(double serial, Language language)
{
    const Parts p = partsFromSerial(serial);
    const double days = std::trunc(serial);
    const bool hasTime = serial != days;
    std::u16string text;
    if (days != 0 || !hasTime) {
        if (language == Language::French)
            text = digits(p.day, 2) + u"/" + digits(p.month, 2) + u"/" + digits(p.year, 4);
        else
            text = digits(p.month, 1) + u"/" + digits(p.day, 1) + u"/" + digits(p.year, 4);
    }
    if (hasTime) {
        if (!text.empty())
            text += u' ';
        if (language == Language::French) {
            text += digits(p.hour, 2) + u":" + digits(p.minute, 2) + u":" + digits(p.second, 2);
        } else {
            const int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
            text += digits(h12, 1) + u":" + digits(p.minute, 2) + u":" + digits(p.second, 2) +
                    (p.hour < 12 ? u" AM" : u" PM");
        }
    }
    return text;
}

bool parse(std::u16string_view text, Language language, bool monthFirst, double &serial)
{
    Cursor cursor{text};
    cursor.skipSpaces();
    double datePart = 0, timePart = 0;
    bool haveDate = false, haveTime = false;
    const size_t start = cursor.at;
    int a, b, c, wa, wb, wc;
    if (cursor.number(a, wa)) {
        const char16_t sep = cursor.at < text.size() ? text[cursor.at] : 0;
        if ((sep == u'/' || sep == u'-' || sep == u'.') && (cursor.take(sep), cursor.number(b, wb)) &&
            cursor.take(sep) && cursor.number(c, wc)) {
            int year, month, day;
            if (wa >= 3) {
                year = a, month = b, day = c;
            } else {
                year = c;
                if (wc <= 2)
                    year += year < 30 ? 2000 : 1900;
                const bool mFirst = monthFirst || language == Language::English;
                month = mFirst ? a : b;
                day = mFirst ? b : a;
                if (month > 12 && day <= 12)
                    std::swap(month, day);
            }
            if (!validDay(year, month, day) || year < 100 || year > 9999)
                return false;
            datePart = serialFromDate(year, month, day);
            haveDate = true;
        } else {
            cursor.at = start;
        }
    }
    cursor.skipSpaces();
    if (cursor.at < text.size()) {
        if (!parseTime(cursor, timePart))
            return false;
        haveTime = true;
        cursor.skipSpaces();
    }
    if (cursor.at != text.size() || (!haveDate && !haveTime))
        return false;
    serial = datePart < 0 ? datePart - timePart : datePart + timePart;
    return true;
}

} // namespace vbs::datetime
