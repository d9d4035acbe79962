#pragma once

#include <QString>

// Scripts hold CR LF line breaks; a text widget holds one line-feed per break. These
// translate texts and positions between the two, so positions keep their script meaning.
// Every other character that the widget would take for a break (a lone CR or LF, a
// paragraph separator, its frame markers) travels as a private stand-in of its own, so
// a script comes back exactly as it went in.
namespace codeboxtext {

QString toBox(const QString &script);
QString fromBox(const QString &box);
// Pasted text, whose line breaks of any kind are line breaks of the script.
QString pastedToBox(const QString &pasted);

// A script position as a box position; a position between CR and LF counts as after the break.
qsizetype toBoxPosition(const QString &script, qsizetype position);
qsizetype fromBoxPosition(const QString &box, qsizetype position);

} // namespace codeboxtext
