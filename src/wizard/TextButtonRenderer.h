#pragma once

#include "wizard/WizardButton.h"

#include <QImage>
#include <QString>

// Draws a text button as its three images: the text on its background colour, the
// underline inverted when hovered or clicked, the text shifted when clicked.
namespace textbutton {

enum class State { Normal, Hover, Click };

inline constexpr State kStates[] = {State::Normal, State::Hover, State::Click};

QImage render(const WizardButton &button, State state);

// "normal", "survol", "clique": the end of the image's file name.
QString stateName(State state);

} // namespace textbutton
