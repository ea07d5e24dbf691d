#pragma once

#include <memory>

#include "platform/desktop.h"
#include "platform/shell.h"

namespace colvexa::platform {

// The desktop the running Qt platform sits on; call it once a QGuiApplication exists.
std::unique_ptr<Desktop> MakeDesktop();

// The shell services of this desktop.
std::unique_ptr<Shell> MakeShell();

}  // namespace colvexa::platform
