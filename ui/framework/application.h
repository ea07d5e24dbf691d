#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QApplication>

#include "ui/framework/form.h"

namespace colvexa::ui {

// "MYTOOL.EXE" or "/usr/bin/mytool.bin" -> "Mytool" / "mytool": the file name without its
// folder and without everything from the first ".", every character after the first in
// lower case.
std::string ApplicationTitle(std::string_view executablePath);

// The error box text: a "." is added when the message is not empty and its last character
// sorts after "." ("Out of memory" -> "Out of memory.", "Done!" stays).
std::string ExceptionMessageText(std::string_view message);

// The application object: owns the forms, runs the event loop and shows the exceptions that
// escape an event handler.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    void Initialize() {}

    // Creates a form owned by the application; the first one becomes the main form.
    template <typename Form, typename... Args>
    void CreateForm(Form*& reference, Args&&... args) {
        auto form = std::make_unique<Form>(std::forward<Args>(args)...);
        reference = form.get();
        if (mainForm_ == nullptr) {
            mainForm_ = form.get();
        }
        forms_.push_back(std::move(form));
    }

    // Shows the main form and processes events until Terminate.
    void Run();
    void Terminate();

    TForm* MainForm() const { return mainForm_; }
    const std::string& Title() const { return title_; }

    // One modal error box: the message (with the "." rule), the title as caption, the stop
    // icon and an OK button.
    void ShowException(const std::string& message);
    // Shows an escaped exception; EAbort is dropped silently.
    void HandleException(std::exception_ptr exception);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
};

// The one application object, while it exists.
extern TApplication* Application;

// Runs f as an event handler: whatever it throws is handed to the application object.
template <typename F>
void RunHandler(F&& f) {
    try {
        f();
    } catch (...) {
        if (Application == nullptr) {
            throw;
        }
        Application->HandleException(std::current_exception());
    }
}

}  // namespace colvexa::ui
