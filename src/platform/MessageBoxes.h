#pragma once

#include <QtGlobal>
#include <functional>
#include <string>

namespace lumo {

// Message boxes: always titled "Lumo", always an OK button only. A box keeps the user's input
// to itself while it is up, but nothing waits for it: `closed` runs once the user has
// dismissed it, and what the box's caller does after the box goes there. Texts are given in
// English, marked QT_TRANSLATE_NOOP("lumo::Messages", ...): the box shows them in the
// listener's language.
class MessageBoxes {
public:
    enum class Icon { None, Stop };

    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& text, Icon icon, std::function<void()> closed = {}) = 0;
};

} // namespace lumo
