#pragma once

#include <QGuiApplication>

#include "platform/desktop.h"

namespace colvexa::platform {

// The desktop of any other Qt platform, through Qt alone. Positions are Qt's screen
// coordinates, which are the screen's own pixels unless the platform scales. Where the
// platform cannot read other windows' pixels (Wayland), every pixel is CLR_INVALID and the
// first failed read says so on stderr.
class QtDesktop final : public Desktop {
public:
    bool CursorPos(CursorPoint& point) override;
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) override;
    void PlaceTopmost(QWidget& window) override;
    bool StartSystemMove(QWidget& window) override;

private:
    void TellNoPixels();

    const bool noPixels_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    bool toldNoPixels_ = false;
};

}  // namespace colvexa::platform
