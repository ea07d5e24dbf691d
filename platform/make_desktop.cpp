#include "platform/make_desktop.h"

#include <QGuiApplication>
#include <QString>

#include "platform/qt_desktop.h"
#include "platform/xdg_shell.h"

#if COLVEXA_WITH_X11
#include <qguiapplication_platform.h>

#include <cstdlib>

#include "platform/x11_desktop.h"
#endif

#if COLVEXA_WITH_WIN32
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_shell.h"
#endif

namespace colvexa::platform {

std::unique_ptr<Desktop> MakeDesktop() {
#if COLVEXA_WITH_WIN32
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        return std::make_unique<Win32Desktop>();
    }
#endif
#if COLVEXA_WITH_X11
    // Also under XWayland, where Qt runs on xcb: the pixels are then those the X server holds.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 && x11->connection()) {
            // Qt connects to the screen DISPLAY names, as it is given no -display.
            char* host = nullptr;
            int display = 0;
            int screen = 0;
            if (!xcb_parse_display(nullptr, &host, &display, &screen)) {
                screen = 0;
            }
            std::free(host);
            return std::make_unique<X11Desktop>(x11->connection(), screen);
        }
    }
#endif
    // Qt's wayland platform lands here too; it reads no pixels, and QtDesktop says so.
    return std::make_unique<QtDesktop>();
}

std::unique_ptr<Shell> MakeShell() {
#if COLVEXA_WITH_WIN32
    return std::make_unique<Win32Shell>();
#else
    return std::make_unique<XdgShell>();
#endif
}

}  // namespace colvexa::platform
