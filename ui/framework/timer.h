#pragma once

#include <QTimer>

#include "ui/framework/types.h"

namespace colvexa::ui {

// Calls OnTimer every Interval milliseconds from the event loop, enabled from creation.
class TTimer : public QObject {
public:
    TTimer(QObject* owner, const char* name, int interval);

    TNotifyEvent OnTimer;
    int Interval() const { return timer_.interval(); }
    bool Enabled() const { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace colvexa::ui
