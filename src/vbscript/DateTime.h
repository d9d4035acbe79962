#pragma once

#include "vbscript/ScriptError.h"

#include <string>
#include <string_view>

namespace vbs::datetime {

// Dates are day serials: 0 is 30 December 1899 at midnight, the fraction is the time.
struct Parts
{
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

double serialFromDate(int year, int month, int day); // months and days beyond their range roll over
double serialFromTime(int hour, int minute, int second);
Parts partsFromSerial(double serial);
int weekday(double serial); // 1 = Sunday
bool validSerial(double serial); // years 100 to 9999

double now();
// English: M/D/YYYY h:mm:ss AM; French: DD/MM/YYYY HH:MM:SS. A zero date part or
// time part is left out.
std::u16string format(double serial, Language language);
// Date literals (#…#) always read month before day; other text follows the language.
bool parse(std::u16string_view text, Language language, bool monthFirst, double &serial);

} // namespace vbs::datetime
