#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace colvexa::test {

class BoxAnswerer::Poller : public QObject {
public:
    explicit Poller(ShownBox& shown) : shown_(shown) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            ++shown_.count;
            shown_.text = box->text().toStdString();
            shown_.caption = box->windowTitle().toStdString();
            shown_.icon = box->icon();
            shown_.buttons = static_cast<int>(box->standardButtons());
            box->accept();
        });
        timer_.start(10);
    }

private:
    ShownBox& shown_;
    QTimer timer_;
};

BoxAnswerer::BoxAnswerer() : poller_(new Poller(shown_)) {}
BoxAnswerer::~BoxAnswerer() {
    delete poller_;
}

void Press(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mousePress(widget, button, Qt::NoModifier, at);
}

void Release(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
}

void Click(QWidget* widget, QPoint at) {
    Press(widget, Qt::LeftButton, at);
    Release(widget, Qt::LeftButton, at);
}

bool SpinUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace colvexa::test
