#pragma once

#include "platform/desktop.h"
#include "ui/framework/types.h"

class QWidget;

namespace colvexa::ui {

// The body of every mouse-down handler: a left press starts the desktop's move of window,
// which follows the pointer until the button is released; other buttons do nothing. Where
// the desktop has no such move (no window manager), the window follows the pointer itself.
// sender, x and y are the control pressed and the press position on it.
void WindowDrag(TObject* sender, TMouseButton button, int x, int y, QWidget& window,
                platform::Desktop& desktop);

}  // namespace colvexa::ui
