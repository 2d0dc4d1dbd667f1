#pragma once

#include "platform/MessageBoxes.h"

namespace lumo {

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const std::string& text, Icon icon) override;
};

} // namespace lumo
