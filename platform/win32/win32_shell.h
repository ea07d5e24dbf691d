#pragma once

#include "platform/shell.h"

namespace colvexa::platform {

// The Windows shell: ShellExecuteEx for addresses, reporting at once, and the shell's
// open-with chooser.
class Win32Shell final : public Shell {
public:
    void OpenAddress(const std::string& address, std::function<void(bool)> done) override;
    void OpenWithChooserForHtm() override;
};

}  // namespace colvexa::platform
