#pragma once

#include <cstdint>

class QWidget;

namespace colvexa::platform {

struct CursorPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const CursorPoint&) const = default;
};

// What the tick and the window drag need from the desktop. Coordinates are the screen's
// own (physical) pixels, whatever the toolkit's scaling.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The cursor hot spot; false, with point untouched, when it cannot be read.
    virtual bool CursorPos(CursorPoint& point) = 0;

    // The pixel at (x, y) as 0x00BBGGRR, or CLR_INVALID (0xFFFFFFFF) when it cannot be read.
    // Reads exactly that one pixel and keeps nothing between calls.
    virtual std::uint32_t PixelAt(std::int32_t x, std::int32_t y) = 0;

    // Puts the window at the top of the top-most windows with its place and size unchanged,
    // without taking the keyboard focus.
    virtual void PlaceTopmost(QWidget& window) = 0;

    // Starts the desktop's interactive move of the window while the left button is down;
    // false when the desktop offers none (the caller then follows the pointer itself).
    virtual bool StartSystemMove(QWidget& window) = 0;
};

}  // namespace colvexa::platform
