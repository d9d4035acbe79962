#pragma once

#include <QString>

// Scripts hold CR LF line breaks; a text widget holds one line-feed per break. These
// translate texts and positions between the two, so positions keep their script meaning.
namespace codeboxtext {

QString toBox(const QString &script);
QString fromBox(const QString &box);

// A script position as a box position; a position between CR and LF counts as after the break.
qsizetype toBoxPosition(const QString &script, qsizetype position);
qsizetype fromBoxPosition(const QString &box, qsizetype position);

} // namespace codeboxtext
