#pragma once

namespace lumo {

// Lets assistive technologies see a ClickLabel as the control it acts as: a button with a
// press action, a slider with a value, or a picture or caption. Installed once per program.
void installClickLabelAccessibility();

} // namespace lumo
