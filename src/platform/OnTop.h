#pragma once

class QWidget;

namespace lumo {

// The stay-on-top operation: the flag is a truth value as the rest of the program passes it,
// true (-1) keeps the window above others, false (0) lets it go back among them, and any
// other value only raises it. The window keeps its place and size and is shown, not activated.
namespace ONTOP {
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

void SetOnTop(QWidget& window, int flag);
} // namespace ONTOP

} // namespace lumo
