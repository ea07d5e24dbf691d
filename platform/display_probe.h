#pragma once

#include <string>

namespace colvexa::platform {

// Whether the program can reach a display before the toolkit tries (which aborts the
// process when it cannot). false, with a one-line reason, when no X display opens and no
// other toolkit platform was asked for.
bool DisplayAvailable(std::string& reason);

}  // namespace colvexa::platform
