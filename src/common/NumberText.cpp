#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c, int base)
{
    int d = -1;
    if (isDigit(c))
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c.unicode() - u'A' + 10;
    return d < base ? d : -1;
}

// Reads a number at text[pos]; skipBlanks lets blanks stand between characters as
// Val allows. Returns the position after the number, or -1 when no digit was read.
qsizetype scanNumber(QStringView text, qsizetype pos, bool skipBlanks, double *value)
{
    const qsizetype n = text.size();
    auto skip = [&](qsizetype p) {
        while (skipBlanks && p < n && isBlank(text[p]))
            ++p;
        return p;
    };
    pos = skip(pos);
    if (pos + 1 < n && text[pos] == u'&') {
        const QChar kind = text[pos + 1].toLower();
        const int base = kind == u'h' ? 16 : kind == u'o' ? 8 : 0;
        if (base != 0) {
            qsizetype p = pos + 2;
            qint64 acc = 0;
            int digits = 0;
            for (int d; p < n && (d = hexDigit(text[p], base)) >= 0 && digits < 16; ++p, ++digits)
                acc = acc * base + d;
            if (digits == 0)
                return -1;
            // Up to four hex digits are a signed 16-bit value, beyond that 32-bit.
            if (base == 16 && digits <= 4 && acc > 0x7FFF)
                acc -= 0x10000;
            else if (acc > 0x7FFFFFFF && acc <= 0xFFFFFFFF)
                acc -= 0x100000000LL;
            *value = double(acc);
            return p;
        }
    }
    std::string ascii;
    qsizetype p = pos;
    if (p < n && (text[p] == u'+' || text[p] == u'-')) {
        ascii += char(text[p].unicode());
        p = skip(p + 1);
    }
    bool digits = false;
    bool point = false;
    for (; p < n; p = skip(p + 1)) {
        const QChar c = text[p];
        if (isDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        ascii += char(c.unicode());
    }
    if (!digits)
        return -1;
    if (p < n && (text[p] == u'e' || text[p] == u'E' || text[p] == u'd' || text[p] == u'D')) {
        std::string exponent = "e";
        qsizetype q = skip(p + 1);
        if (q < n && (text[q] == u'+' || text[q] == u'-')) {
            exponent += char(text[q].unicode());
            q = skip(q + 1);
        }
        bool expDigits = false;
        for (; q < n && isDigit(text[q]); q = skip(q + 1)) {
            exponent += char(text[q].unicode());
            expDigits = true;
        }
        if (expDigits) {
            ascii += exponent;
            p = q;
        }
    }
    if (ascii[0] == '+')
        ascii.erase(0, 1);
    double result = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), result);
    if (ec == std::errc::result_out_of_range)
        result = ascii[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    else if (ec != std::errc())
        return -1;
    *value = result;
    return p;
}

} // namespace

namespace numtext {

QString format(double value)
{
    // Whole numbers keep every digit (colours, options); others are singles.
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    const float single = static_cast<float>(value);
    if (single == 0.0f)
        return QStringLiteral("0");
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, single);
    return QString::fromLatin1(buffer, ec == std::errc() ? end - buffer : 0);
}

QString numberLine(double value)
{
    const QString digits = format(value);
    if (digits.startsWith(u'-'))
        return digits + u' ';
    return u' ' + digits + u' ';
}

double val(QStringView text)
{
    double value = 0;
    return scanNumber(text, 0, true, &value) < 0 ? 0.0 : value;
}

bool parse(QStringView text, double *value)
{
    const QStringView trimmed = text.trimmed();
    double result = 0;
    if (trimmed.isEmpty() || scanNumber(trimmed, 0, false, &result) != trimmed.size())
        return false;
    *value = result;
    return true;
}

} // namespace numtext
