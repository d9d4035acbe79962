#pragma once

#include "vbscript/ScriptError.h"
#include "vbscript/Variant.h"

#include <string>
#include <string_view>

namespace vbs::conv {

// Value of an object's default member (objects only; Nothing raises 91).
Variant defaultValue(const Variant &value);
// The value itself, or its default member's value when it is an object.
Variant scalar(const Variant &value);

// Reads a numeric text the way the language does: spaces around, sign, decimals with ".",
// exponent, &H and &O prefixes.
bool parseNumber(std::u16string_view text, double &value);

double toDouble(const Variant &value);                 // 13 for non-numeric text, 94 for Null
int32_t toLong(const Variant &value);                  // rounds half to even; 6 beyond Long
int16_t toInteger(const Variant &value);               // rounds half to even; 6 beyond Integer
bool toBool(const Variant &value);                     // 13 for text other than numbers, True, False
std::u16string toString(const Variant &value, Language language); // 94 for Null
double toDate(const Variant &value, Language language); // 13 when not a date
// Numbers as the arithmetic operators see them: Boolean and Empty become Integer, text Double.
Variant toArithmetic(const Variant &value);

int64_t roundHalfEven(double value);
double roundHalfEven(double value, int digits);
std::u16string formatDouble(double value);
std::u16string formatSingle(float value);
std::u16string formatCurrency(int64_t scaled);
// A Single of the value; 6 beyond its range.
float toSingle(double value);
// A Currency of the value rounded to four decimals; 6 beyond ±922337203685477.5807.
Variant toCurrency(double value);

std::u16string fromAscii(std::string_view text);

} // namespace vbs::conv
