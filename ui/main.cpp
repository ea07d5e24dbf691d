#include <cstdio>
#include <string>

#include "platform/display_probe.h"
#include "platform/make_desktop.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    colvexa::platform::PreferX11WhereAvailable();
    std::string reason;
    if (!colvexa::platform::DisplayAvailable(reason)) {
        std::fprintf(stderr, "colvexa: %s\n", reason.c_str());
        return 1;
    }
    // The program takes no command line: the toolkit sees the program name only.
    int toolkitArgc = argc > 0 ? 1 : 0;
    colvexa::ui::TApplication application(toolkitArgc, argv);
    auto desktop = colvexa::platform::MakeDesktop();
    auto shell = colvexa::platform::MakeShell();
    return colvexa::ui::RunColvexa(application, *desktop, *shell);
}
