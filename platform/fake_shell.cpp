#include "platform/fake_shell.h"

namespace colvexa::platform {

void FakeShell::OpenAddress(const std::string& address, std::function<void(bool)> done) {
    opened.push_back(address);
    done(open_result);
}

}  // namespace colvexa::platform
