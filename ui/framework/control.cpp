#include "ui/framework/control.h"

#include <QMouseEvent>

#include "ui/framework/application.h"

namespace colvexa::ui {

namespace {

bool ToMouseButton(Qt::MouseButton qt, TMouseButton& button) {
    switch (qt) {
        case Qt::LeftButton:
            button = TMouseButton::mbLeft;
            return true;
        case Qt::RightButton:
            button = TMouseButton::mbRight;
            return true;
        case Qt::MiddleButton:
            button = TMouseButton::mbMiddle;
            return true;
        default:
            return false;
    }
}

}  // namespace

TControl::TControl(QWidget* parent, const char* name) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
}

void TControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    TMouseButton button;
    if (!ToMouseButton(event->button(), button)) {
        return;
    }
    if (button == TMouseButton::mbLeft) {
        leftDown_ = true;
    }
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        RunHandler([&] { OnMouseDown(this, button, 0, at.x(), at.y()); });
    }
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !leftDown_) {
        return;
    }
    leftDown_ = false;
    if (OnClick && rect().contains(event->position().toPoint())) {
        RunHandler([&] { OnClick(this); });
    }
}

}  // namespace colvexa::ui
