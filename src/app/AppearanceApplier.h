#pragma once

class QWidget;
struct Appearance;

// Recolours one designer tool window and every control on it.
namespace appearanceapplier {

void apply(QWidget *window, const Appearance &appearance);

} // namespace appearanceapplier
