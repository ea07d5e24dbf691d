#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "platform/fake_desktop.h"
#include "platform/fake_shell.h"
#include "tests/ui/ui_test_support.h"
#include "ui/unit1.h"
#include "ui/unit2.h"

namespace colvexa::ui {
namespace {

using platform::FakeDesktop;
using platform::FakeShell;
using test::BoxAnswerer;
using test::Click;
using test::Press;
using test::Release;
using test::SpinUntil;

TEST(ExtractFileExtUpper, TakesTheTextFromTheLastDotUnlessAPathFollows) {
    const std::pair<const char*, const char*> cases[] = {
        {"index.htm", ".HTM"},
        {"INDEX.HTM", ".HTM"},
        {"page.HtM", ".HTM"},
        {"https://example.com/a.html", ".HTML"},
        {"C:\\site\\index.htm", ".HTM"},
        {"C:\\site.d\\index", ""},
        {"archive.tar.gz", ".GZ"},
        {"host.htm:8080", ""},
        {"no extension", ""},
        {"", ""},
        {"trailing.", "."},
    };
    for (const auto& [target, extension] : cases) {
        EXPECT_EQ(ExtractFileExtUpper(target), extension) << target;
    }
}

// A click as the desktop delivers it, to the control's window, so modality applies.
void ClickThroughWindow(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, QPoint(5, 5)));
}

class AboutWindow : public testing::Test {
protected:
    FakeDesktop desktop;
    FakeShell shell;
    TForm1 main{desktop};
    TForm2 about{desktop, shell};

    void SetUp() override {
        Form1 = &main;
        Form2 = &about;
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void TearDown() override {
        Form1 = nullptr;
        Form2 = nullptr;
    }

    // Shows the About window with the main window's About picture; during runs while it is
    // shown, and ends with a click on the tick.
    void ShowAbout(const std::function<void()>& during) {
        QTimer::singleShot(0, &about, [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
            during();
            Click(about.Image3, QPoint(12, 12));
        });
        Click(main.Image4, QPoint(8, 8));
    }
};

TEST_F(AboutWindow, LayoutIsAsDesigned) {
    EXPECT_EQ(about.size(), QSize(203, 110));
    EXPECT_EQ(about.Client()->geometry(), QRect(0, 0, 203, 110));
    EXPECT_EQ(about.pos(), QPoint(445, 523));
    EXPECT_FALSE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(about.isVisible());

    const std::pair<QWidget*, QPoint> places[] = {
        {about.Image2, {92, 0}},  {about.Label6, {50, 20}},      {about.Label8, {6, 40}},
        {about.Label9, {42, 60}}, {about.RzURLLabel1, {20, 71}}, {about.Image3, {91, 84}},
    };
    const QObjectList& children = about.Client()->children();
    ASSERT_EQ(children.size(), std::size(places));
    for (std::size_t i = 0; i < std::size(places); ++i) {
        EXPECT_EQ(children[static_cast<int>(i)], places[i].first);
        EXPECT_EQ(places[i].first->pos(), places[i].second);
        EXPECT_LE(places[i].first->geometry().right(), 202);
    }
    EXPECT_EQ(about.Image2->size(), QSize(17, 17));
    EXPECT_EQ(about.Image3->size(), QSize(25, 25));
    EXPECT_EQ(about.Image3->Picture().size(), QSize(24, 24));
    for (TLabel* label : {about.Label6, about.Label8, about.Label9}) {
        EXPECT_FALSE(label->Transparent());
        EXPECT_GE(label->height(), 12);
        EXPECT_LE(label->height(), 15);
    }
    EXPECT_EQ(about.Label6->Caption(), "Colvexa \u00a9 1.0");
    EXPECT_NE(about.Label8->Caption().find("Quorlin Software"), std::string::npos);
    EXPECT_NE(about.Label9->Caption().find("Colvexa team"), std::string::npos);

    TRzURLLabel& link = *about.RzURLLabel1;
    EXPECT_EQ(link.Caption(), "Visit Quorlin Software Website");
    EXPECT_EQ(link.URL.rfind("https://", 0), 0u);
    EXPECT_TRUE(link.Transparent());
    EXPECT_EQ(link.FontColor(), clBlue);
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(link.VisitedColor, 0x00800080u);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.Image3->cursor().shape(), Qt::CrossCursor);
}

TEST_F(AboutWindow, ShowsModallyWhileTheReadoutsGoOn) {
    desktop.pixel = 0x00000000;
    ASSERT_TRUE(SpinUntil([&] { return main.Label2->Caption() == "[0,0,0]"; }));
    bool shown = false;
    ShowAbout([&] {
        shown = about.isVisible() && about.isModal();
        EXPECT_EQ(about.pos(), QPoint(445, 523));
        desktop.pixel = 0x00FF8000;
        EXPECT_TRUE(SpinUntil([&] { return main.Label2->Caption() == "[0,128,255]"; }));
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindow, TheMainWindowTakesNoMouseCommandsMeanwhile) {
    ShowAbout([&] {
        desktop.moved_windows.clear();
        ClickThroughWindow(main.Label2);
        ClickThroughWindow(main.Image1);
        ClickThroughWindow(main.Image4);
        EXPECT_TRUE(desktop.moved_windows.empty());
        EXPECT_TRUE(main.isVisible());
    });
    desktop.moved_windows.clear();
    ClickThroughWindow(main.Label2);
    EXPECT_EQ(desktop.moved_windows.size(), 1u);  // usable again at once
}

TEST_F(AboutWindow, ShowModalReturnsCancelAndTheNextShowingIsWhereItWasLeft) {
    QTimer::singleShot(0, &about, [&] {
        about.move(500, 600);
        Click(about.Image3, QPoint(12, 12));
    });
    EXPECT_EQ(about.ShowModal(), mrCancel);
    QPoint shownAt;
    ShowAbout([&] { shownAt = about.pos(); });
    EXPECT_EQ(shownAt, QPoint(500, 600));
}

TEST_F(AboutWindow, LeftPressesEverywhereButTheTickMoveIt) {
    ShowAbout([&] {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 about.Client(), about.Image2, about.Label6, about.Label8, about.Label9}) {
            desktop.moved_windows.clear();
            QTest::mouseClick(control, Qt::RightButton);
            QTest::mouseClick(control, Qt::MiddleButton);
            EXPECT_TRUE(desktop.moved_windows.empty()) << control->objectName().toStdString();
            QTest::mouseClick(control, Qt::LeftButton);
            ASSERT_EQ(desktop.moved_windows.size(), 1u) << control->objectName().toStdString();
            EXPECT_EQ(desktop.moved_windows[0], &about);
        }
        desktop.moved_windows.clear();
        Press(about.Image3, Qt::LeftButton, QPoint(12, 12));
        Release(about.Image3, Qt::LeftButton, QPoint(60, 12));
        EXPECT_TRUE(desktop.moved_windows.empty());
        EXPECT_TRUE(about.isVisible());

        // On the link a press that travels drags; one that stays is a click.
        QTest::mousePress(about.RzURLLabel1, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(about.RzURLLabel1, QPoint(30, 5));
        QTest::mouseRelease(about.RzURLLabel1, Qt::LeftButton, {}, QPoint(30, 5));
        EXPECT_EQ(desktop.moved_windows.size(), 1u);
        EXPECT_TRUE(shell.opened.empty());
        QTest::mouseClick(about.RzURLLabel1, Qt::RightButton);
        EXPECT_EQ(desktop.moved_windows.size(), 1u);
    });
}

TEST_F(AboutWindow, ASuccessfulOpenTurnsTheLinkPurpleForGood) {
    ShowAbout([&] {
        QTest::mouseClick(about.RzURLLabel1, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(shell.opened, std::vector<std::string>{about.RzURLLabel1->URL});
        EXPECT_TRUE(about.RzURLLabel1->Visited());
        EXPECT_EQ(about.RzURLLabel1->FontColor(), clPurple);
    });
    ShowAbout([&] { EXPECT_EQ(about.RzURLLabel1->FontColor(), clPurple); });
}

TEST_F(AboutWindow, AFailedOpenLeavesTheLinkBlueAndShowsNothing) {
    shell.open_result = false;
    BoxAnswerer boxes;
    about.RzURLLabel1->Click();
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(about.RzURLLabel1->FontColor(), clBlue);
    EXPECT_EQ(shell.choosers, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.Shown().count, 0);
}

TEST_F(AboutWindow, OnlyAFailedHtmTargetOffersTheChooser) {
    const struct {
        const char* url;
        bool opens;
        int choosers;
    } cases[] = {
        {"C:\\site\\INDEX.hTm", false, 1},
        {"C:\\site\\index.htm", true, 0},
        {"C:\\site.htm\\index", false, 0},
        {"https://www.example.com/", false, 0},
    };
    for (const auto& c : cases) {
        shell.choosers = 0;
        shell.open_result = c.opens;
        about.RzURLLabel1->URL = c.url;
        about.RzURLLabel1->Click();
        EXPECT_EQ(shell.opened.back(), c.url);
        EXPECT_EQ(shell.choosers, c.choosers) << c.url;
    }
}

TEST_F(AboutWindow, ABlankAddressFallsBackToTheCaption) {
    TRzURLLabel& link = *about.RzURLLabel1;
    link.URL = "  \t";
    link.Click();
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "Visit Quorlin Software Website");
    link.SetCaption("   ");
    link.URL = "";
    link.Click();
    EXPECT_EQ(shell.opened.size(), 1u);  // nothing to open
}

}  // namespace
}  // namespace colvexa::ui
