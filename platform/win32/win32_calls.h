#pragma once

// The Win32 calls behind the Windows desktop and shell, as plain functions over window
// handles, so that they can be tested without Qt. The only code that includes <windows.h>.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace colvexa::platform::win32 {

// The cursor hot spot in screen pixels; nothing when it cannot be read.
std::optional<POINT> ReadCursor();

// The screen pixel at (x, y) as 0x00BBGGRR, or CLR_INVALID. The desktop window's device
// context is held for this one read only.
std::uint32_t ReadPixel(int x, int y);

// Puts the window at the top of the top-most windows with its own bounds, shown, without
// activating it.
void PlaceTopmost(HWND window);

// The system's move of the window, as from its title bar; returns once the left button is
// released. Always true: the system offers the move whenever the button is down.
bool StartSystemMove(HWND window);

// Opens address (UTF-8) with its default handler; true when the shell reports success.
// Shows no message.
bool OpenAddress(const std::string& address);

// Starts the shell's open-with chooser for ".htm" files; true when it was started.
bool OpenWithChooserForHtm();

}  // namespace colvexa::platform::win32
