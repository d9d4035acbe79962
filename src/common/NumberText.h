#pragma once

#include <QString>
#include <QStringView>

// Numbers as the files and VB-style conversions see them.
namespace numtext {

// The shortest text that reads back as the same single-precision value ("." decimal).
QString format(double value);

// A number line: one space before a non-negative value (the minus sign takes its
// place otherwise) and one space after.
QString numberLine(double value);

// VB Val: the leading number of the text, blanks skipped, 0 when there is none.
double val(QStringView text);

// A strict conversion: the whole text (blanks around it allowed) must be a number,
// as VB's CDbl/CLng demand; false otherwise.
bool parse(QStringView text, double *value);

} // namespace numtext
