#pragma once

#include <functional>
#include <string>

#include <QMessageBox>
#include <QPoint>

class QWidget;

namespace colvexa::test {

// What the error box showed.
struct ShownBox {
    int count = 0;
    std::string text;
    std::string caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Answers every error box that opens while it lives, recording what it showed.
class BoxAnswerer {
public:
    BoxAnswerer();
    ~BoxAnswerer();
    const ShownBox& Shown() const { return shown_; }

private:
    ShownBox shown_;
    class Poller;
    Poller* poller_;
};

// Presses and releases mouse buttons the way the desktop delivers them to widgets.
void Press(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(1, 1));
void Release(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(1, 1));
void Click(QWidget* widget, QPoint at = QPoint(1, 1));

// Runs the event loop until done() holds or the time is up; false on time-out.
bool SpinUntil(const std::function<bool()>& done, int milliseconds = 5000);

}  // namespace colvexa::test
