// The main window's tick in process, on Qt's offscreen platform: the paint events of 1,000
// unchanged and 1,000 changing ticks, and the resident memory after 1,000 and 100,000 ticks.
// Prints "key value" lines for the system benchmark, then the paints per control.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "platform/desktop.h"
#include "platform/fake_desktop.h"
#include "ui/framework/application.h"
#include "ui/unit1.h"

namespace {

using namespace colvexa;

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) {
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
    }
    std::map<std::string, long> byName;
    long Total() const {
        long total = 0;
        for (const auto& [name, n] : byName) {
            total += n;
        }
        return total;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const std::string name = watched->objectName().toStdString();
            ++byName[name.empty() ? std::string("(form)") : name];
        }
        return false;
    }
};

// FakeDesktop writes down every call, which grows; this one keeps nothing.
class MovingDesktop final : public platform::Desktop {
public:
    long tick = 0;
    bool CursorPos(platform::CursorPoint& point) override {
        point = {static_cast<std::int32_t>(tick % 1920), static_cast<std::int32_t>(tick % 1080)};
        return true;
    }
    std::uint32_t PixelAt(std::int32_t, std::int32_t) override {
        return static_cast<std::uint32_t>(tick * 0x9E3779) & 0xFFFFFF;
    }
    void PlaceTopmost(QWidget&) override {}
    bool StartSystemMove(QWidget&) override { return false; }
};

void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

std::vector<std::string> Captions(const ui::TForm1& f) {
    return {f.Label4->Caption(), f.Label2->Caption(),  f.Label6->Caption(),  f.Label8->Caption(),
            f.Label9->Caption(), f.Label11->Caption(), f.Label13->Caption(), f.Label16->Caption()};
}

void PaintRuns() {
    platform::FakeDesktop desktop;
    ui::TForm1 form(desktop);
    // The bench drives the ticks; one of the form's own between them repeats the last and
    // changes nothing.
    form.show();
    desktop.cursor = {100, 200};
    desktop.pixel = 0x001E140A;
    form.Timer1Timer(form.Timer1);
    for (int i = 0; i < 20; ++i) {
        Settle();
    }

    PaintCounter unchanged(form);
    for (int i = 0; i < 1000; ++i) {
        form.Timer1Timer(form.Timer1);
        Settle();
    }
    form.removeEventFilter(&unchanged);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        child->removeEventFilter(&unchanged);
    }

    // What a changing tick must repaint: each label whose text changed, and the swatch.
    static const char* const kValueLabels[] = {"Label4", "Label2",  "Label6",  "Label8",
                                               "Label9", "Label11", "Label13", "Label16"};
    std::map<std::string, long> expected;
    PaintCounter changing(form);
    std::uint32_t value = desktop.pixel;
    for (int i = 0; i < 1000; ++i) {
        value = (value + 0x9E3779u) & 0xFFFFFF;
        desktop.pixel = value;
        const auto before = Captions(form);
        form.Timer1Timer(form.Timer1);
        const auto after = Captions(form);
        for (std::size_t k = 0; k < before.size(); ++k) {
            expected[kValueLabels[k]] += before[k] != after[k];
        }
        ++expected["Panel1"];
        Settle();
    }
    long expectedTotal = 0;
    long beyond = 0;  // paints beyond one per changed control
    for (const auto& [name, n] : expected) {
        expectedTotal += n;
    }
    for (const auto& [name, n] : changing.byName) {
        const long want = expected.count(name) ? expected[name] : 0;
        beyond += n > want ? n - want : 0;
    }
    std::printf("paints_unchanged %ld\n", unchanged.Total());
    std::printf("paints_changing %ld\n", changing.Total());
    std::printf("paints_changing_expected %ld\n", expectedTotal);
    std::printf("paints_changing_beyond %ld\n", beyond);
    std::printf("# paints over 1,000 changing ticks (expected, from the texts that changed):\n");
    for (const auto& [name, n] : changing.byName) {
        std::printf("#   %-8s %5ld (%ld)\n", name.c_str(), n,
                    expected.count(name) ? expected[name] : 0L);
    }
    for (const auto& [name, n] : unchanged.byName) {
        std::printf("#   unchanged ticks painted %s %ld times\n", name.c_str(), n);
    }
}

void MemoryRun() {
    MovingDesktop desktop;
    ui::TForm1 form(desktop);
    form.show();
    long after1k = 0;
    long after10k = 0;
    for (desktop.tick = 0; desktop.tick < 100000; ++desktop.tick) {
        form.Timer1Timer(form.Timer1);
        Settle();
        if (desktop.tick + 1 == 1000) {
            after1k = ResidentKb();
        } else if (desktop.tick + 1 == 10000) {
            after10k = ResidentKb();
        }
    }
    std::printf("rss_1k_kb %ld\n", after1k);
    std::printf("rss_10k_kb %ld\n", after10k);
    std::printf("rss_100k_kb %ld\n", ResidentKb());
}

}  // namespace

int main(int, char**) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "colvexa";
    char* argv[] = {name, nullptr};
    ui::TApplication application(argc, argv);
    PaintRuns();
    MemoryRun();
    return 0;
}
