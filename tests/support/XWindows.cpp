#include "XWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <vector>

namespace lumo::test {

namespace {
Display* dpy(void* d) {
    return static_cast<Display*>(d);
}
// The windows a root property lists (_NET_CLIENT_LIST, _NET_ACTIVE_WINDOW...), as a window
// manager keeps them.
std::vector<unsigned long> rootWindows(Display* display, const char* property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> windows;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, property, False), 0, 1024, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success &&
        data != nullptr) {
        const auto* ids = reinterpret_cast<const unsigned long*>(data);
        windows.assign(ids, ids + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return windows;
}

} // namespace

XWindows::XWindows() : m_display(XOpenDisplay(nullptr)) {}

XWindows::~XWindows() {
    if (m_display != nullptr) {
        XCloseDisplay(dpy(m_display));
    }
}

std::string XWindows::windowClass(unsigned long window) const {
    XClassHint hint{};
    if (m_display == nullptr || XGetClassHint(dpy(m_display), window, &hint) == 0) {
        return {};
    }
    std::string result = hint.res_class != nullptr ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return result;
}

std::optional<unsigned long> XWindows::findWindow(const std::string& title) const {
    if (m_display == nullptr) {
        return std::nullopt;
    }
    Window root = DefaultRootWindow(dpy(m_display));
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<unsigned long> found;
    if (XQueryTree(dpy(m_display), root, &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(dpy(m_display), children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && XFetchName(dpy(m_display), children[i], &name) &&
            name != nullptr) {
            if (title == name) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    // Under a window manager, top-level windows sit in its frames: it lists them.
    for (const unsigned long client : rootWindows(dpy(m_display), "_NET_CLIENT_LIST")) {
        if (!found && title == this->title(client)) {
            found = client;
        }
    }
    return found;
}

std::string XWindows::title(unsigned long window) const {
    char* name = nullptr;
    std::string result;
    if (m_display != nullptr && XFetchName(dpy(m_display), window, &name) != 0 && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

std::optional<unsigned long> XWindows::activeWindow() const {
    if (m_display == nullptr) {
        return std::nullopt;
    }
    const std::vector<unsigned long> active = rootWindows(dpy(m_display), "_NET_ACTIVE_WINDOW");
    if (active.empty() || active.front() == 0) {
        return std::nullopt;
    }
    return active.front();
}

bool XWindows::managed() const {
    return m_display != nullptr && !rootWindows(dpy(m_display), "_NET_SUPPORTING_WM_CHECK").empty();
}

QRect XWindows::geometry(unsigned long window) const {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(dpy(m_display), window, &attributes) == 0) {
        return {};
    }
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

void XWindows::requestClose(unsigned long window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy(m_display), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(dpy(m_display), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy(m_display), window, False, NoEventMask, &event);
    XFlush(dpy(m_display));
}

void XWindows::setWmState(unsigned long window, long state) const {
    const Atom wmState = XInternAtom(dpy(m_display), "WM_STATE", False);
    const long data[2] = {state, 0};
    XChangeProperty(dpy(m_display), window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data), 2);
    XFlush(dpy(m_display));
}

} // namespace lumo::test
