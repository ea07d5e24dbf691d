#include "platform/win32/win32_shell.h"

#include "platform/win32/win32_calls.h"

namespace colvexa::platform {

void Win32Shell::OpenAddress(const std::string& address, std::function<void(bool)> done) {
    const bool opened = win32::OpenAddress(address);
    if (done) {
        done(opened);
    }
}

void Win32Shell::OpenWithChooserForHtm() {
    win32::OpenWithChooserForHtm();
}

}  // namespace colvexa::platform
