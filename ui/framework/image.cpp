#include "ui/framework/image.h"

#include <QPainter>

namespace colvexa::ui {

TImage::TImage(QWidget* parent, const char* name, int left, int top, int width, int height)
    : TControl(parent, name) {
    setGeometry(left, top, width, height);
}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace colvexa::ui
