#pragma once

#include "platform/UrlOpener.h"

namespace lumo {

// Hands network addresses to the desktop (QDesktopServices); anything else is dropped.
class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const std::string& address) override;
};

} // namespace lumo
