#include "ui/framework/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

#include "ui/framework/application.h"

namespace colvexa::ui {

TForm::TForm(const char* name, int left, int top, int clientWidth, int clientHeight,
             int borderWidth, Qt::WindowFlags extraFlags)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | extraFlags),
      client_(new TControl(this, "Client")) {
    setObjectName(QString::fromLatin1(name));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // An opaque client: a transparent label's repaint then stops at the client and does not
    // repaint the window under it as well. The same white either way.
    client_->setAutoFillBackground(true);
    setFixedSize(clientWidth + 2 * borderWidth, clientHeight + 2 * borderWidth);
    client_->setGeometry(borderWidth, borderWidth, clientWidth, clientHeight);
    move(left, top);
    // The taskbar and window list show the application's title, not the form's name.
    if (Application != nullptr) {
        setWindowTitle(QString::fromStdString(Application->Title()));
    }
}

TForm::~TForm() = default;

void TForm::Close() {
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    close();
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (modalLoop_ != nullptr && result != mrNone) {
        modalLoop_->quit();
    }
}

int TForm::ShowModal() {
    QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    modalResult_ = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec();
    modalLoop_ = nullptr;
    hide();
    if (previouslyActive != nullptr && previouslyActive->isVisible()) {
        previouslyActive->activateWindow();
    }
    return modalResult_;
}

void TForm::closeEvent(QCloseEvent* event) {
    if (Modal()) {
        event->ignore();
        SetModalResult(mrCancel);
        return;
    }
    event->accept();
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
    }
}

}  // namespace colvexa::ui
