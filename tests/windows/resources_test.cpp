// The resources of ui/colvexa.rc, linked into this test as into the program.

#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00  // the DPI awareness contexts
#endif
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Resources, TheIconIsMainicon) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 48, 48, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 48);
    EXPECT_EQ(bitmap.bmHeight, 48);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

// Without it the system scales the screen for the program, and the readouts would give
// scaled positions and interpolated colours.
TEST(Resources, TheManifestMakesTheProgramPerMonitorDpiAware) {
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
