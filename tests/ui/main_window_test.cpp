#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>

#include "core/color_sample.h"
#include "platform/fake_desktop.h"
#include "tests/ui/ui_test_support.h"
#include "ui/unit1.h"
#include "ui/unit2.h"

namespace colvexa::ui {
namespace {

using platform::FakeDesktop;
using test::Press;
using test::Release;

// Counts the paint events of a window and all its controls.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) {
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
    }
    int total = 0;
    std::map<QString, int> byName;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++total;
            ++byName[watched->objectName()];
        }
        return false;
    }
};

class MainWindow : public testing::Test {
protected:
    FakeDesktop desktop;
    TForm1 form{desktop};

    std::vector<std::string> ValueCaptions() const {
        return {form.Label4->Caption(),  form.Label2->Caption(), form.Label6->Caption(),
                form.Label8->Caption(),  form.Label9->Caption(), form.Label11->Caption(),
                form.Label13->Caption(), form.Label16->Caption()};
    }

    void Tick(platform::CursorPoint at, std::uint32_t pixel) {
        desktop.cursor = at;
        desktop.pixel = pixel;
        form.Timer1Timer(form.Timer1);
    }
};

TEST_F(MainWindow, IsABorderlessTopMostWindowWithAWhiteFrame) {
    EXPECT_EQ(form.size(), QSize(154, 213));
    EXPECT_EQ(form.pos(), QPoint(317, 300));
    EXPECT_EQ(form.Client()->geometry(), QRect(2, 2, 150, 209));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.Timer1->Interval(), 50);
    EXPECT_TRUE(form.Timer1->Enabled());
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(MainWindow, ComponentsStandWhereDesignedInPaintOrder) {
    struct Place {
        const char* name;
        QRect box;
    };
    // Creation order, which is paint order: a later control covers an earlier one.
    const Place places[] = {
        {"Label4", {36, 16, 36, 8}},
        {"Label3", {0, 16, 36, 8}},
        {"Label1", {0, 28, 30, 8}},
        {"Label2", {35, 28, 36, 8}},
        {"Label6", {36, 40, 36, 8}},
        {"Label5", {0, 40, 30, 8}},
        {"Label7", {0, 52, 30, 8}},
        {"Label8", {36, 52, 36, 8}},
        {"Label9", {36, 64, 36, 8}},
        {"Label10", {0, 64, 30, 8}},
        {"Label12", {0, 76, 30, 8}},
        {"Label11", {36, 76, 42, 8}},
        {"Label13", {36, 88, 42, 8}},
        {"Label14", {0, 88, 30, 8}},
        {"Label15", {0, 100, 30, 8}},
        {"Label16", {36, 100, 42, 8}},
        {"Image3", {0, 112, 150, 97}},
        {"Image1", {134, 0, 18, 17}},
        {"Label17", {}},
        {"Image2", {-2, -2, 17, 17}},
        {"Image4", {114, 0, 16, 17}},
        {"Panel1", {112, 16, 38, 95}},
    };
    const QObjectList& children = form.Client()->children();
    ASSERT_EQ(children.size(), std::size(places));
    for (std::size_t i = 0; i < std::size(places); ++i) {
        auto* control = qobject_cast<QWidget*>(children[static_cast<int>(i)]);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), places[i].name);
        if (!places[i].box.isNull()) {
            EXPECT_EQ(control->geometry(), places[i].box) << places[i].name;
        }
    }
    // The title keeps to its strip, clear of the About picture.
    EXPECT_EQ(form.Label17->pos(), QPoint(14, 0));
    EXPECT_LE(form.Label17->geometry().right(), 113);
    EXPECT_GE(form.Label17->height(), 10);
    EXPECT_LE(form.Label17->height(), 12);
}

TEST_F(MainWindow, LabelsHaveTheirFontsTransparencyAndDesignCaptions) {
    const std::pair<TLabel*, const char*> captions[] = {
        {form.Label3, "PIXEL:"}, {form.Label1, "RGB :"},  {form.Label5, "HTML:"},
        {form.Label7, "HEX :"},  {form.Label10, "CMYK:"}, {form.Label12, "HSV :"},
        {form.Label14, "YUV :"}, {form.Label15, "HSL :"},
    };
    for (const auto& [label, caption] : captions) {
        EXPECT_EQ(label->Caption(), caption);
        EXPECT_TRUE(label->UsesReadoutFont());
        EXPECT_TRUE(label->Transparent());
    }
    EXPECT_EQ(ValueCaptions(),
              (std::vector<std::string>{"Label4", "Label2", "Label6", "Label8", "Label9", "Label11",
                                        "Label13", "Label16"}));
    EXPECT_EQ(form.Label17->Caption(), "Colvexa \u00a9 1.0");
    EXPECT_FALSE(form.Label17->UsesReadoutFont());
    EXPECT_FALSE(form.Label17->Transparent());
    EXPECT_EQ(form.Panel1->Color(), clBtnFace);
    EXPECT_EQ(form.Image1->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(form.Image4->cursor().shape(), Qt::CrossCursor);
    for (TImage* image : {form.Image1, form.Image2, form.Image4}) {
        EXPECT_EQ(image->Picture().size(), QSize(16, 16)) << image->objectName().toStdString();
        EXPECT_TRUE(image->Picture().hasAlphaChannel());
    }
    EXPECT_EQ(form.Image3->Picture().size(), QSize(150, 97));
}

TEST_F(MainWindow, WorkedTicksSetTheSwatchAndAllEightReadouts) {
    const struct {
        platform::CursorPoint at;
        std::uint32_t pixel;
        std::vector<std::string> texts;
    } ticks[] = {
        {{100, 200},
         0x000000FF,
         {"[100,200]", "[255,0,0]", "#FF0000", "0x0000FF", "[0,100,100,0]", "[0,100,100]",
          "[30,-15,62]", "[0,100,50]"}},
        {{0, 0},
         0x00FF0000,
         {"[0,0]", "[0,0,255]", "#0000FF", "0xFF0000", "[100,100,0,0]", "[240,100,100]",
          "[11,44,-10]", "[240,100,50]"}},
        {{1919, 1079},
         0x001E140A,
         {"[1919,1079]", "[10,20,30]", "#0A141E", "0x1E140A", "[7,4,0,89]", "[210,67,12]",
          "[7,2,-3]", "[210,67,8]"}},
        {{5, 5},
         0x00FFFFFF,
         {"[5,5]", "[255,255,255]", "#FFFFFF", "0xFFFFFF", "[0,0,0,0]", "[0,0,100]", "[100,0,0]",
          "[0,0,100]"}},
        {{-5, 1079},
         0x0032C8C8,
         {"[-5,1079]", "[200,200,50]", "#C8C832", "0x32C8C8", "[0,0,58,22]", "[60,75,78]",
          "[72,-26,6]", "[60,75,49]"}},
    };
    for (const auto& t : ticks) {
        desktop.calls.clear();
        desktop.pixel_reads.clear();
        Tick(t.at, t.pixel);
        EXPECT_EQ(form.Panel1->Color(), t.pixel);
        EXPECT_EQ(ValueCaptions(), t.texts);
        using Call = FakeDesktop::Call;
        EXPECT_EQ(desktop.calls,
                  (std::vector<Call>{Call::PlaceTopmost, Call::CursorPos, Call::PixelAt}));
        ASSERT_EQ(desktop.pixel_reads.size(), 1u);
        EXPECT_EQ(desktop.pixel_reads[0].x, t.at.x);
        EXPECT_EQ(desktop.pixel_reads[0].y, t.at.y);
        ASSERT_FALSE(desktop.topmost_windows.empty());
        EXPECT_EQ(desktop.topmost_windows.back(), &form);
    }
    EXPECT_EQ(form.Label4->width(), 6 * 9);  // "[-5,1079]": the label follows its text
}

TEST_F(MainWindow, AnUnreadablePixelShowsNotReadInsteadOfWhite) {
    Tick({3, 4}, 0x00336699);
    Tick({7, 8}, CLR_INVALID);
    EXPECT_EQ(ValueCaptions(),
              (std::vector<std::string>{"[7,8]", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a", "n/a"}));
    EXPECT_EQ(form.Panel1->Color(), clBtnFace);
    Tick({7, 8}, 0x00FFFFFF);
    EXPECT_EQ(form.Label2->Caption(), "[255,255,255]");
    EXPECT_EQ(form.Panel1->Color(), 0x00FFFFFFu);
}

TEST_F(MainWindow, AnUnreadableCursorKeepsTheLastPositionRead) {
    desktop.cursor_readable = false;
    Tick({50, 60}, 0x00000000);
    EXPECT_EQ(form.Label4->Caption(), "[0,0]");
    desktop.cursor_readable = true;
    Tick({5, 6}, 0x00000000);
    desktop.cursor_readable = false;
    Tick({99, 99}, 0x00000000);
    EXPECT_EQ(form.Label4->Caption(), "[5,6]");
    EXPECT_EQ(desktop.pixel_reads.back().x, 5);
    EXPECT_EQ(desktop.pixel_reads.back().y, 6);
}

TEST_F(MainWindow, AnUnchangedTickRepaintsNothing) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Tick({10, 10}, 0x00123456);
    QCoreApplication::processEvents();
    PaintCounter paints(form);
    Tick({10, 10}, 0x00123456);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.total, 0);

    Tick({10, 10}, 0x00123457);  // only the red channel changes
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.byName["Panel1"], 1);
    EXPECT_EQ(paints.byName["Label2"], 1);
    EXPECT_EQ(paints.byName["Label4"], 0);
    form.hide();
}

TEST_F(MainWindow, LeftPressesEverywhereButTheCommandPicturesMoveTheWindow) {
    std::vector<QWidget*> draggable = {form.Client(), form.Panel1, form.Image3, form.Image2};
    for (TLabel* label :
         {form.Label4, form.Label3, form.Label1, form.Label2, form.Label6, form.Label5, form.Label7,
          form.Label8, form.Label9, form.Label10, form.Label12, form.Label11, form.Label13,
          form.Label14, form.Label15, form.Label16, form.Label17}) {
        draggable.push_back(label);
    }
    for (QWidget* control : draggable) {
        desktop.moved_windows.clear();
        for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
            Press(control, other);
            Release(control, other);
        }
        EXPECT_TRUE(desktop.moved_windows.empty()) << control->objectName().toStdString();
        Press(control, Qt::LeftButton);
        Release(control, Qt::LeftButton);
        ASSERT_EQ(desktop.moved_windows.size(), 1u) << control->objectName().toStdString();
        EXPECT_EQ(desktop.moved_windows[0], &form);
    }
    desktop.moved_windows.clear();
    Press(form.Image1, Qt::LeftButton, QPoint(5, 5));
    Release(form.Image1, Qt::LeftButton, QPoint(40, 40));  // released elsewhere: no command
    Press(form.Image4, Qt::LeftButton, QPoint(5, 5));
    Release(form.Image4, Qt::LeftButton, QPoint(-3, 5));
    EXPECT_TRUE(desktop.moved_windows.empty());
}

TEST_F(MainWindow, TheClosePictureClosesOnReleaseOverIt) {
    form.show();
    Press(form.Image1, Qt::LeftButton, QPoint(5, 5));
    EXPECT_TRUE(form.isVisible());
    Release(form.Image1, Qt::LeftButton, QPoint(6, 6));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainWindow, WithoutADesktopMoveTheWindowFollowsThePointer) {
    desktop.system_move_result = false;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();
    QTest::mousePress(form.Image3, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(form.Image3, QPoint(40, 30));
    QTest::mouseRelease(form.Image3, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
    form.hide();
}

}  // namespace
}  // namespace colvexa::ui
