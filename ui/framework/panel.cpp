#include "ui/framework/panel.h"

#include <QPainter>

#include "ui/framework/color.h"

namespace colvexa::ui {

TPanel::TPanel(QWidget* parent, const char* name, int left, int top, int width, int height)
    : TControl(parent, name) {
    setGeometry(left, top, width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(TColor color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), ToQColor(color_));
}

}  // namespace colvexa::ui
