#pragma once

#include <QImage>

#include "ui/framework/control.h"

namespace colvexa::ui {

// A picture drawn at its natural size at the top-left corner, blended over the window.
class TImage : public TControl {
public:
    TImage(QWidget* parent, const char* name, int left, int top, int width, int height);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace colvexa::ui
