#include "platform/xdg_shell.h"

#include <memory>

#include <QCoreApplication>
#include <QProcess>

namespace colvexa::platform {

void XdgShell::OpenAddress(const std::string& address, std::function<void(bool)> done) {
    // Run without waiting: an opener that starts a browser may take seconds, and the
    // readouts go on meanwhile.
    auto* opener = new QProcess(QCoreApplication::instance());
    auto report = std::make_shared<std::function<void(bool)>>(std::move(done));
    auto finish = [opener, report](bool opened) {
        if (*report) {
            auto callback = std::move(*report);
            *report = nullptr;
            callback(opened);
        }
        opener->deleteLater();
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [finish](int exitCode, QProcess::ExitStatus status) {
                         finish(status == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             finish(false);
                         }
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start(QStringLiteral("xdg-open"), {QString::fromStdString(address)});
}

}  // namespace colvexa::platform
