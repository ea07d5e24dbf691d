#include <gtest/gtest.h>

#include <QApplication>
#include <cstdint>

#include "core/color_sample.h"
#include "tests/platform/session.h"
#include "ui/unit1.h"

namespace colvexa::ui {
namespace {

// The pointer moves to another patch of colour every 50 ticks, so texts change, labels grow
// and shrink and the swatch repaints, all against the real server and window manager.
TEST(Ticks, TenThousandOnARealServerRaiseNoXErrorAndFollowThePixel) {
    platform::Session s({.window_manager = true});
    platform::XErrorCounter counter;
    s.app.App().installNativeEventFilter(&counter);
    struct Patch {
        test::Rect area;
        std::uint32_t rgb;
    };
    const Patch patches[] = {{{10, 10, 40, 40}, 0xFFFFFF},
                             {{10, 300, 40, 40}, 0x000000},
                             {{560, 10, 40, 40}, 0x12ABEF},
                             {{560, 400, 40, 40}, 0xFF8000}};
    for (const Patch& p : patches) {
        s.server.Paint(p.area, p.rgb);
    }
    TForm1 form(*s.desktop);
    form.show();
    ASSERT_TRUE(s.server.WaitUntil([&] { return s.server.IsViewable(form.winId()); }));

    constexpr int kTicks = 10000;
    std::uint32_t last = 0;
    for (int tick = 0; tick < kTicks; ++tick) {
        if (tick % 50 == 0) {
            const Patch& p = patches[(tick / 50) % std::size(patches)];
            s.server.MovePointer(p.area.x + 20, p.area.y + 20);
            last = p.rgb;
        }
        form.Timer1Timer(form.Timer1);
        QApplication::processEvents();
    }
    s.app.Sync();
    QApplication::processEvents();
    s.app.App().removeNativeEventFilter(&counter);

    EXPECT_EQ(counter.errors, 0);
    const std::uint32_t colorref = ((last & 0xFF) << 16) | (last & 0xFF00) | ((last >> 16) & 0xFF);
    EXPECT_EQ(form.Label6->Caption(), FormatHtml(MakeColorSample(0, 0, colorref)));
}

}  // namespace
}  // namespace colvexa::ui
