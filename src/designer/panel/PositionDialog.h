#pragma once

#include "common/Twips.h"

#include <QPointF>
#include <QString>

#include <optional>

class Prompter;

enum class PositionUnit { Twips, Pixels };

// Asks the new X then Y of a button ("bouton") or text ("texte"), offering the current
// position; in pixels the answers are converted back to twips. Nothing when an answer
// is empty (a silent cancel) or not a number ("Valeur incorrect !").
std::optional<QPointF> askPosition(Prompter &prompter, const QString &noun, PositionUnit unit, QPointF current,
                                   TwipsPerPixel tpp);
