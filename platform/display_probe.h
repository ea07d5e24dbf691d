#pragma once

#include <string>

namespace colvexa::platform {

// Whether the program can reach a display before the toolkit tries (which aborts the
// process when it cannot). false, with a one-line reason, when no X display opens and no
// other toolkit platform was asked for.
bool DisplayAvailable(std::string& reason);

// Under a Wayland session with XWayland, asks the toolkit for its X11 platform unless the
// user chose one: only there can the pixels of other programs (X ones) be read at all.
void PreferX11WhereAvailable();

}  // namespace colvexa::platform
