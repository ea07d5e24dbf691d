#pragma once

#include <xcb/xcb.h>

#include <memory>

class QApplication;

namespace colvexa::test {

// A QApplication on the xcb platform of the X server that DISPLAY names, as the program runs
// it. One at a time in a process; create it after the XServer and destroy it before.
class QtApp {
public:
    QtApp();
    ~QtApp();

    QtApp(const QtApp&) = delete;
    QtApp& operator=(const QtApp&) = delete;

    QApplication& App() { return *app_; }
    // Qt's own connection to the server.
    xcb_connection_t* Connection() const;
    // Returns once the server has carried out every request Qt has made so far.
    void Sync();
    // Handles the events that are waiting; a pump for XServer::WaitUntil.
    static void ProcessEvents();

private:
    int argc_ = 1;
    char name_[8] = "colvexa";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

}  // namespace colvexa::test
