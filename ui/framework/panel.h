#pragma once

#include "ui/framework/control.h"

namespace colvexa::ui {

// A flat rectangle of one colour. Setting the colour it already has does nothing.
class TPanel : public TControl {
public:
    TPanel(QWidget* parent, const char* name, int left, int top, int width, int height);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor color_ = clBtnFace;
};

}  // namespace colvexa::ui
