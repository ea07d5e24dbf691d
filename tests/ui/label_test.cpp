#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <map>
#include <string>

#include "ui/framework/label.h"
#include "ui/framework/panel.h"

namespace colvexa::ui {
namespace {

// A white parent that fills its background, as a form's client does, and counts the paint
// events of itself and its children.
class Parent : public QWidget {
public:
    Parent() {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        setAutoFillBackground(true);
        setGeometry(0, 0, 100, 30);
    }
    std::map<std::string, int> paints;

    void ShowWith(QWidget& child) {
        child.installEventFilter(this);
        installEventFilter(this);
        show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(this));
        QCoreApplication::processEvents();
        paints.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched->objectName().toStdString()];
        }
        return false;
    }
};

bool Shows(const QImage& image, const QRect& area, const QColor& color) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

TEST(Label, OverPlainBackgroundAShorterTextRepaintsTheLabelAlone) {
    Parent parent;
    TLabel label(&parent, "Label", 10, 10);
    label.SetCaption("[255,255,255]");
    const int longest = label.width();
    parent.ShowWith(label);

    label.SetCaption("[0,0,0]");
    QCoreApplication::processEvents();
    EXPECT_EQ(parent.paints, (std::map<std::string, int>{{"Label", 1}}));
    EXPECT_EQ(label.width(), longest) << "its own fill clears the longer text";
}

TEST(Label, OverAnotherControlItPaintsOnlyItsText) {
    Parent parent;
    TPanel below(&parent, "Panel", 0, 0, 100, 30);
    below.SetColor(0x000000FF);  // red
    TLabel label(&parent, "Label", 10, 10);
    label.SetCaption("[255,255,255]");
    const int longest = label.width();
    parent.ShowWith(below);

    label.SetCaption("[0,0,0]");
    QCoreApplication::processEvents();
    EXPECT_EQ(parent.paints["Panel"], 1) << "what lies under the label is repainted";
    EXPECT_LT(label.width(), longest) << "the box fits the text";
    EXPECT_TRUE(Shows(parent.grab().toImage(), label.geometry(), Qt::red))
        << "the panel shows between the glyphs";
}

}  // namespace
}  // namespace colvexa::ui
