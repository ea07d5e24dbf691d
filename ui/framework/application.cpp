#include "ui/framework/application.h"

#include <QAccessible>
#include <QMessageBox>

#include "ui/framework/exception.h"
#include "ui/framework/label_accessible.h"

namespace colvexa::ui {

TApplication* Application = nullptr;

std::string ApplicationTitle(std::string_view executablePath) {
    const std::size_t slash = executablePath.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i) {
        if (title[i] >= 'A' && title[i] <= 'Z') {
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
        }
    }
    return title;
}

std::string ExceptionMessageText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    title_ = ApplicationTitle(argc > 0 && argv[0] != nullptr ? argv[0] : "");
    setApplicationName(QString::fromStdString(title_));
    // The main form's close ends the program; the hidden About window never keeps it alive.
    setQuitOnLastWindowClosed(false);
    // Before any window exists, so screen readers see the labels' texts from the start.
    QAccessible::installFactory(&LabelAccessibleFactory);
    Application = this;
}

TApplication::~TApplication() {
    forms_.clear();
    Application = nullptr;
}

void TApplication::Run() {
    if (mainForm_ != nullptr) {
        mainForm_->show();
    }
    exec();
}

void TApplication::Terminate() {
    quit();
}

void TApplication::ShowException(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title_),
                    QString::fromStdString(ExceptionMessageText(message)), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ExceptionBox"));
    box.exec();
}

void TApplication::HandleException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("");
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

}  // namespace colvexa::ui
