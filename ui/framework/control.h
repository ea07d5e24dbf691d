#pragma once

#include <QWidget>

#include "ui/framework/types.h"

namespace colvexa::ui {

// A control on a form: mouse-down and click events. A click is a left press and a release
// over the same control; presses never pass on to the form below.
class TControl : public QWidget {
public:
    TControl(QWidget* parent, const char* name);

    TMouseEvent OnMouseDown;
    TNotifyEvent OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

}  // namespace colvexa::ui
