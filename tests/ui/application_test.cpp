#include <gtest/gtest.h>

#include "platform/fake_desktop.h"
#include "tests/ui/ui_test_support.h"
#include "ui/framework/application.h"
#include "ui/framework/exception.h"
#include "ui/startup.h"
#include "ui/unit1.h"

namespace colvexa::ui {
namespace {

using test::BoxAnswerer;
using test::SpinUntil;

TEST(ApplicationTitle, IsTheFileNameUpToTheFirstDotWithTheRestInLowerCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"MYTOOL.EXE", "Mytool"},
        {"/usr/bin/colvexa", "colvexa"},
        {"C:\\Tools\\ColVexa.Beta.exe", "Colvexa"},
        {"./build/default/ui/COLVEXA", "Colvexa"},
        {"", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(ApplicationTitle(path), title) << path;
    }
    EXPECT_EQ(Application->Title(), "colvexa");
}

TEST(ExceptionMessageText, AddsAFullStopAfterCharactersThatSortAfterIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"Out of memory", "Out of memory."},
        {"Done.", "Done."},
        {"Wow!", "Wow!"},
        {"Trailing ", "Trailing "},
        {"a-", "a-"},
        {"a/", "a/."},
        {"Code 7", "Code 7."},
    };
    for (const auto& [message, text] : cases) {
        EXPECT_EQ(ExceptionMessageText(message), text) << message;
    }
}

TEST(StartUp, AnErrorIsShownOnceAndTheRunFails) {
    BoxAnswerer answerer;
    const int result = RunApplication(
        *Application, [](TApplication&) { throw Exception("Cannot create the main window"); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(answerer.Shown().count, 1);
    EXPECT_EQ(answerer.Shown().text, "Cannot create the main window.");
    EXPECT_EQ(answerer.Shown().caption, "colvexa");
    EXPECT_EQ(answerer.Shown().icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Shown().buttons, static_cast<int>(QMessageBox::Ok));
}

TEST(StartUp, SomethingOtherThanAnExceptionShowsAnEmptyBox) {
    BoxAnswerer answerer;
    EXPECT_EQ(RunApplication(*Application, [](TApplication&) { throw 42; }), 1);
    EXPECT_EQ(answerer.Shown().count, 1);
    EXPECT_EQ(answerer.Shown().text, "");
}

// A desktop whose pixel read throws a given number of times.
class ThrowingDesktop : public platform::Desktop {
public:
    platform::FakeDesktop fake;
    int throws = 1;
    bool abort = false;

    bool CursorPos(platform::CursorPoint& point) override { return fake.CursorPos(point); }
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) override {
        if (throws > 0) {
            --throws;
            if (abort) {
                throw EAbort();
            }
            throw Exception("The screen went away");
        }
        return fake.PixelAt(x, y);
    }
    void PlaceTopmost(QWidget& window) override { fake.PlaceTopmost(window); }
    bool StartSystemMove(QWidget& window) override { return fake.StartSystemMove(window); }
};

TEST(EventLoop, AnExceptionInAHandlerIsShownAndTheTicksGoOn) {
    ThrowingDesktop desktop;
    desktop.fake.cursor = {3, 4};
    BoxAnswerer answerer;
    TForm1 form(desktop);
    ASSERT_TRUE(SpinUntil([&] { return form.Label4->Caption() == "[3,4]"; }));
    EXPECT_EQ(answerer.Shown().count, 1);
    EXPECT_EQ(answerer.Shown().text, "The screen went away.");
    EXPECT_EQ(answerer.Shown().caption, "colvexa");
}

TEST(EventLoop, AnAbortIsDroppedSilently) {
    ThrowingDesktop desktop;
    desktop.abort = true;
    desktop.throws = 3;
    desktop.fake.cursor = {3, 4};
    BoxAnswerer answerer;
    TForm1 form(desktop);
    ASSERT_TRUE(SpinUntil([&] { return form.Label4->Caption() == "[3,4]"; }));
    EXPECT_EQ(answerer.Shown().count, 0);
}

}  // namespace
}  // namespace colvexa::ui
