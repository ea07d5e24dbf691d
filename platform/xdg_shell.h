#pragma once

#include "platform/shell.h"

namespace colvexa::platform {

// Opens addresses with the desktop's opener, xdg-open, and reads its exit status: only
// status 0 counts as opened. Linux desktops have no open-with chooser to start.
class XdgShell : public Shell {
public:
    void OpenAddress(const std::string& address, std::function<void(bool)> done) override;
    void OpenWithChooserForHtm() override {}
};

}  // namespace colvexa::platform
