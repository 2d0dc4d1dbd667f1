#pragma once

#include <string>

namespace lumo {

// Modal message boxes: always titled "Lumo", always an OK button only.
class MessageBoxes {
public:
    enum class Icon { None, Stop };

    virtual ~MessageBoxes() = default;
    // Returns once the user has dismissed the box.
    virtual void show(const std::string& text, Icon icon) = 0;
};

} // namespace lumo
