#pragma once

#include <functional>

#include "platform/desktop.h"
#include "platform/shell.h"
#include "ui/framework/application.h"

namespace colvexa::ui {

// Initialize, create the forms, run until the main form closes. Returns 0 after a normal
// close; an error during start-up is shown in the error box and gives 1.
int RunApplication(TApplication& application,
                   const std::function<void(TApplication&)>& createForms);

// The program: the main window and the hidden About window on the given desktop.
int RunColvexa(TApplication& application, platform::Desktop& desktop, platform::Shell& shell);

}  // namespace colvexa::ui
