#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace colvexa::platform {

// A shell for tests: every open succeeds or fails as set, at once; it writes down what it
// was asked.
class FakeShell final : public Shell {
public:
    bool open_result = true;
    std::vector<std::string> opened;  // OpenAddress's addresses, in order
    int choosers = 0;                 // OpenWithChooserForHtm calls

    void OpenAddress(const std::string& address, std::function<void(bool)> done) override;
    void OpenWithChooserForHtm() override { ++choosers; }
};

}  // namespace colvexa::platform
