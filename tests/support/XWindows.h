#pragma once

#include <QRect>
#include <optional>
#include <string>

namespace lumo::test {

// Looks at the X display named by $DISPLAY from outside the program under test.
class XWindows {
public:
    XWindows();
    ~XWindows();
    XWindows(const XWindows&) = delete;
    XWindows& operator=(const XWindows&) = delete;

    bool connected() const { return m_display != nullptr; }
    // A mapped top-level window with this title, if there is one (under a window manager, one
    // it manages).
    std::optional<unsigned long> findWindow(const std::string& title) const;
    std::string title(unsigned long window) const;
    // What a window manager keeps: whether one runs, and the window it gave the focus.
    bool managed() const;
    std::optional<unsigned long> activeWindow() const;
    QRect geometry(unsigned long window) const;
    // The window's class (the second part of WM_CLASS), by which a dock matches it to a
    // launcher's StartupWMClass.
    std::string windowClass(unsigned long window) const;
    // Asks the window to close, as a window manager's close button does.
    void requestClose(unsigned long window) const;
    // Records the window's ICCCM state as a window manager does when it iconifies (3) or
    // restores (1) a window; a display without a window manager has nobody else to do it.
    void setWmState(unsigned long window, long state) const;

private:
    void* m_display = nullptr;
};

} // namespace lumo::test
