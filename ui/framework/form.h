#pragma once

#include <QWidget>

#include "ui/framework/control.h"

class QEventLoop;

namespace colvexa::ui {

// A borderless white window: a client area of the given size inside a frame of
// borderWidth pixels that belongs to no control. Components are children of Client().
class TForm : public QWidget {
public:
    TForm(const char* name, int left, int top, int clientWidth, int clientHeight, int borderWidth,
          Qt::WindowFlags extraFlags = {});
    ~TForm() override;

    QWidget* Client() const { return client_; }
    // The form's own client area, not covered by a control.
    TMouseEvent& OnMouseDown() { return client_->OnMouseDown; }

    // Closes the window; a modal showing only ends with mrCancel.
    void Close();
    // Shows the window modally: every other window of the program takes no input until the
    // showing ends. Returns the modal result. Hides the window again afterwards.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    bool Modal() const { return modalLoop_ != nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TControl* client_;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
};

}  // namespace colvexa::ui
