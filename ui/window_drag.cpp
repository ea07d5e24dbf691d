#include "ui/window_drag.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace colvexa::ui {

namespace {

// Moves the window by the pointer's travel until the left button is released.
class PointerFollower : public QObject {
public:
    PointerFollower(QWidget& window, QPoint start)
        : window_(&window), start_(start), origin_(window.pos()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (window_ == nullptr) {
            deleteLater();
            return false;
        }
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            window_->move(origin_ + (move->globalPosition().toPoint() - start_));
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QPoint start_;
    QPoint origin_;
};

}  // namespace

void WindowDrag(TObject* sender, TMouseButton button, int x, int y, QWidget& window,
                platform::Desktop& desktop) {
    if (button != TMouseButton::mbLeft) {
        return;
    }
    if (!desktop.StartSystemMove(window)) {
        auto* pressed = qobject_cast<QWidget*>(sender);
        const QPoint at(x, y);
        new PointerFollower(window, pressed != nullptr ? pressed->mapToGlobal(at) : QCursor::pos());
    }
}

}  // namespace colvexa::ui
