#include "ui/framework/timer.h"

#include "ui/framework/application.h"

namespace colvexa::ui {

TTimer::TTimer(QObject* owner, const char* name, int interval) : QObject(owner) {
    setObjectName(QString::fromLatin1(name));
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (OnTimer) {
            RunHandler([this] { OnTimer(this); });
        }
    });
    timer_.start();
}

}  // namespace colvexa::ui
