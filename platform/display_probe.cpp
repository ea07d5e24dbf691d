#include "platform/display_probe.h"

#include <cstdlib>
#include <string_view>

#include <xcb/xcb.h>

namespace colvexa::platform {

void PreferX11WhereAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    if ((platform == nullptr || *platform == '\0') && display != nullptr && *display != '\0') {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

bool DisplayAvailable(std::string& reason) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' &&
        std::string_view(platform).substr(0, 3) != "xcb") {
        return true;  // another toolkit platform: it reports for itself
    }
    const char* display = std::getenv("DISPLAY");
    if ((display == nullptr || *display == '\0') && platform == nullptr &&
        std::getenv("WAYLAND_DISPLAY") != nullptr) {
        return true;  // Wayland alone: the toolkit's own platform, which says it reads nothing
    }
    if (display == nullptr || *display == '\0') {
        reason = "no display to show the window on (DISPLAY is not set)";
        return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!opened) {
        reason = std::string("cannot open display \"") + display + "\"";
    }
    return opened;
}

}  // namespace colvexa::platform
