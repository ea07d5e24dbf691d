#include "platform/display_probe.h"

// A Windows session always has its desktop, and there is no other windowing system to prefer.
namespace colvexa::platform {

void PreferX11WhereAvailable() {}

bool DisplayAvailable(std::string&) {
    return true;
}

}  // namespace colvexa::platform
