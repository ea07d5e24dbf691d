// The program against its floors on a private X server (Xvfb -noreset, openbox): instructions
// per tick under callgrind, idle CPU from /proc, exec to mapped window and peak memory; then the
// in-process paint and memory figures (tick_bench) and the readout timing (readout_bench).
// Prints one Markdown table. Usage: system_bench [COLVEXA]  (default: ../ui/colvexa)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr double kTickSeconds = 0.05;
constexpr int kStartRuns = 10;   // launches of each program for start-up and memory
constexpr int kCpuRounds = 2;    // alternating rounds of the idle CPU measurement
constexpr auto kCpuSpan = 20s;   // per program and round
constexpr auto kShortSpan = 5s;  // callgrind intervals
constexpr auto kLongSpan = 15s;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

void Log(const std::string& text) {
    std::fprintf(stderr, "  %s\n", text.c_str());
}

// Forks and execs argv with stdout and stderr to output (or /dev/null); keep_fd stays open.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& output = "/dev/null",
            int keep_fd = -1) {
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (out < 0 || in < 0) {
        Fail("cannot open " + output);
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // Nothing outlives the bench, even when it crashes.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        for (int fd = 3; fd < 1024; ++fd) {
            if (fd != keep_fd) {
                close(fd);
            }
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    close(out);
    close(in);
    if (pid < 0) {
        Fail("cannot fork");
    }
    return pid;
}

bool Running(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (auto end = Clock::now() + 5s; Clock::now() < end;) {
        if (!Running(pid)) {
            return;
        }
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// utime + stime in seconds, all threads.
double CpuSeconds(pid_t pid) {
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        Fail("no /proc stat for " + std::to_string(pid));
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    // Fields from the state (3rd): utime is the 14th, stime the 15th.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long StatusKb(pid_t pid, const char* key) {
    std::istringstream status(ReadFile("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(std::strlen(key)));
        }
    }
    return -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    if (v.empty())
        return 0;
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The private X server, its window manager, and a connection that watches the root.
class Session {
public:
    Session() {
        int pipe_fds[2];
        if (pipe(pipe_fds) != 0)
            Fail("pipe");
        xvfb_ = Spawn({"Xvfb", "-displayfd", std::to_string(pipe_fds[1]), "-screen", "0",
                       "1280x1024x24", "-noreset", "-nolisten", "tcp"},
                      "/dev/null", pipe_fds[1]);
        close(pipe_fds[1]);
        std::string display;
        pollfd p{pipe_fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 10000) > 0 && read(pipe_fds[0], &c, 1) == 1 && c != '\n') {
            display += c;
        }
        close(pipe_fds[0]);
        if (display.empty())
            Fail("Xvfb did not start");
        setenv("DISPLAY", (":" + display).c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_))
            Fail("cannot connect to Xvfb");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;

        wm_ = Spawn({"openbox", "--sm-disable"});
        // openbox drops what reaches it during its start-up, a window's map included: ask until
        // it answers a frame-extents request from its event loop.
        const xcb_window_t probe = xcb_generate_id(c_);
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, probe, root_, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = probe;
        request.type = Atom("_NET_REQUEST_FRAME_EXTENTS");
        const xcb_atom_t extents = Atom("_NET_FRAME_EXTENTS");
        const auto end = Clock::now() + 10s;
        while (!HasProperty(probe, extents, XCB_ATOM_CARDINAL)) {
            if (Clock::now() > end)
                Fail("openbox did not start");
            xcb_send_event(
                c_, 0, root_,
                XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                reinterpret_cast<const char*>(&request));
            xcb_flush(c_);
            std::this_thread::sleep_for(100ms);
        }
        xcb_destroy_window(c_, probe);
        // The pointer rests away from the windows, over the unchanging root.
        xcb_warp_pointer(c_, XCB_NONE, root_, 0, 0, 0, 0, 100, 100);
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        Sync();
    }
    ~Session() {
        xcb_disconnect(c_);
        Stop(wm_);
        Stop(xvfb_);
    }

    pid_t XvfbPid() const { return xvfb_; }
    pid_t WmPid() const { return wm_; }

    void Sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }

    void Drain() {
        Sync();
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_))
            std::free(e);
    }

    // When a new top-level (a frame, under openbox) was mapped; nothing on timeout.
    std::optional<Clock::time_point> WaitMapped(std::chrono::seconds timeout) {
        const auto end = Clock::now() + timeout;
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const auto at = Clock::now();
                const bool mapped =
                    (e->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                    !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
                std::free(e);
                if (mapped)
                    return at;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(left.count()));
        }
    }

private:
    xcb_atom_t Atom(const char* name) {
        auto* r = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = r ? r->atom : XCB_NONE;
        std::free(r);
        return atom;
    }
    bool HasProperty(xcb_window_t window, xcb_atom_t atom, xcb_atom_t type) {
        auto* r =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, atom, type, 0, 1), nullptr);
        const bool has = r && r->value_len > 0;
        std::free(r);
        return has;
    }

    pid_t xvfb_ = -1;
    pid_t wm_ = -1;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
};

struct Program {
    std::string name;
    std::string path;
    bool window;  // false: nothing is mapped, the bench waits a fixed time instead
};

// Waits until the program is running its ticks.
void WaitReady(Session& s, const Program& p, pid_t pid, std::chrono::seconds timeout) {
    if (p.window) {
        if (!s.WaitMapped(timeout))
            Fail(p.name + " mapped no window");
    } else {
        std::this_thread::sleep_for(timeout / 10);
    }
    if (!Running(pid))
        Fail(p.name + " ended early");
}

struct CpuFigures {
    double program = 0;  // seconds of CPU per second of wall time
    double xserver = 0;
    double wm = 0;
};

CpuFigures MeasureCpu(Session& s, const Program& p) {
    s.Drain();
    const pid_t pid = Spawn({p.path});
    WaitReady(s, p, pid, 10s);
    std::this_thread::sleep_for(2s);
    const auto t0 = Clock::now();
    const double p0 = CpuSeconds(pid), x0 = CpuSeconds(s.XvfbPid()), w0 = CpuSeconds(s.WmPid());
    std::this_thread::sleep_for(kCpuSpan);
    const double p1 = CpuSeconds(pid), x1 = CpuSeconds(s.XvfbPid()), w1 = CpuSeconds(s.WmPid());
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    Stop(pid);
    return {(p1 - p0) / wall, (x1 - x0) / wall, (w1 - w0) / wall};
}

struct Dump {
    double ir = 0;
    long ticks = 0;  // calls of xcb_query_pointer: one per tick in every program measured
};

Dump ParseDump(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::map<std::string, std::string> names;  // "(id)" -> name
    std::string callee;
    Dump d;
    auto name_of = [&](const std::string& text) {
        // "(12) name" defines id 12, "(12)" refers to it, a bare name has no id.
        if (text.empty() || text[0] != '(')
            return text;
        const std::size_t close = text.find(')');
        const std::string id = text.substr(0, close + 1);
        if (close + 2 <= text.size())
            names[id] = text.substr(close + 2);
        return names[id];
    };
    while (std::getline(in, line)) {
        if (line.rfind("fn=", 0) == 0) {
            name_of(line.substr(3));
        } else if (line.rfind("cfn=", 0) == 0) {
            callee = name_of(line.substr(4));
        } else if (line.rfind("calls=", 0) == 0) {
            if (callee == "xcb_query_pointer")
                d.ticks += std::stol(line.substr(6));
        } else if (line.rfind("totals:", 0) == 0) {
            d.ir = std::stod(line.substr(7));
        } else if (line.rfind("summary:", 0) == 0 && d.ir == 0) {
            d.ir = std::stod(line.substr(8));
        }
    }
    return d;
}

struct Instructions {
    double per_tick = 0;
    long ticks_short = 0;
    long ticks_long = 0;
};

void CallgrindDump(pid_t pid) {
    Wait(Spawn({"callgrind_control", "--dump", std::to_string(pid)}));
}

// Under callgrind: counters dumped (and zeroed) once the program runs its ticks, then after a
// short and after a long span; the difference of the two spans divided by their difference in
// ticks is the cost of one tick, with the dumps' own cost and anything fixed cancelled out.
Instructions MeasureInstructions(Session& s, const Program& p, const fs::path& out_dir) {
    const fs::path dir = out_dir / ("callgrind-" + p.name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    s.Drain();
    const pid_t pid = Spawn({"valgrind", "--tool=callgrind", "--dump-instr=no",
                             "--callgrind-out-file=" + (dir / "callgrind.out").string(), p.path},
                            (dir / "valgrind.log").string());
    WaitReady(s, p, pid, 90s);
    std::this_thread::sleep_for(2s);
    CallgrindDump(pid);
    std::this_thread::sleep_for(kShortSpan);
    CallgrindDump(pid);
    std::this_thread::sleep_for(kLongSpan);
    CallgrindDump(pid);
    Stop(pid);
    std::vector<fs::path> dumps;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("callgrind.out.", 0) == 0)
            dumps.push_back(entry.path());
    }
    auto number = [](const fs::path& f) { return std::stol(f.extension().string().substr(1)); };
    std::sort(dumps.begin(), dumps.end(),
              [&](const fs::path& a, const fs::path& b) { return number(a) < number(b); });
    if (dumps.size() < 3)
        Fail(p.name + ": callgrind wrote " + std::to_string(dumps.size()) + " dumps");
    const Dump shorter = ParseDump(dumps[1].string());
    const Dump longer = ParseDump(dumps[2].string());
    if (longer.ticks <= shorter.ticks)
        Fail(p.name + ": no extra ticks in the long span");
    return {(longer.ir - shorter.ir) / static_cast<double>(longer.ticks - shorter.ticks),
            shorter.ticks, longer.ticks};
}

struct StartFigures {
    std::vector<double> ms;
    std::vector<double> hwm_mb;
};

void MeasureStart(Session& s, const Program& p, StartFigures& f, bool record) {
    s.Drain();
    const auto t0 = Clock::now();
    const pid_t pid = Spawn({p.path});
    const auto mapped = s.WaitMapped(10s);
    if (!mapped)
        Fail(p.name + " mapped no window");
    // Peak memory once the first ticks and paints are done.
    std::this_thread::sleep_for(1s);
    const long hwm = StatusKb(pid, "VmHWM:");
    Stop(pid);
    std::this_thread::sleep_for(300ms);  // the window manager tidies up
    if (record) {
        f.ms.push_back(std::chrono::duration<double, std::milli>(*mapped - t0).count());
        f.hwm_mb.push_back(hwm / 1024.0);
    }
}

std::map<std::string, std::string> KeyValues(const std::string& text, std::string& comments) {
    std::map<std::string, std::string> kv;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#", 0) == 0) {
            comments += line + "\n";
            continue;
        }
        const std::size_t space = line.find(' ');
        if (space != std::string::npos)
            kv[line.substr(0, space)] = line.substr(space + 1);
    }
    return kv;
}

// SevenTogether's CPU time per colour, from readout_bench's CSV.
double ReadoutNs(const std::string& csv) {
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("SevenTogether,", 0) == 0 || line.rfind("\"SevenTogether\",", 0) == 0) {
            std::istringstream fields(line);
            std::string field;
            for (int i = 0; i < 4 && std::getline(fields, field, ','); ++i) {
            }
            return std::stod(field);
        }
    }
    return -1;
}

std::string Fmt(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

}  // namespace

bool OnPath(const std::string& program) {
    std::istringstream dirs(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (access((dir + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

int main(int argc, char** argv) try {
    for (const char* tool : {"Xvfb", "openbox", "valgrind", "callgrind_control"}) {
        if (!OnPath(tool)) {
            Fail(std::string(tool) + " is not installed (valgrind: apt-get install valgrind)");
        }
    }
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const std::string colvexa =
        argc > 1 ? fs::absolute(argv[1]).string() : (here / ".." / "ui" / "colvexa").string();
    const fs::path out_dir = here / "system_bench_out";
    fs::create_directories(out_dir);
    const Program program{"colvexa", colvexa, true};
    const Program x11_floor{"x11_floor", (here / "x11_floor").string(), false};
    const Program qt_floor{"qt_floor", (here / "qt_floor").string(), true};
    const Program minimal{"qt_minimal_window", (here / "qt_minimal_window").string(), true};

    Session session;
    std::fprintf(stderr, "X server on %s\n", std::getenv("DISPLAY"));

    std::fprintf(stderr, "exec to mapped window and peak memory, %d launches each\n", kStartRuns);
    StartFigures start_program, start_minimal;
    MeasureStart(session, program, start_program, false);  // warm the caches
    MeasureStart(session, minimal, start_minimal, false);
    for (int i = 0; i < kStartRuns; ++i) {
        MeasureStart(session, program, start_program, true);
        MeasureStart(session, minimal, start_minimal, true);
    }

    std::fprintf(stderr, "idle CPU, %d rounds of %lld s each\n", kCpuRounds,
                 static_cast<long long>(kCpuSpan.count()));
    std::map<std::string, CpuFigures> cpu;
    for (int round = 0; round < kCpuRounds; ++round) {
        for (const Program* p : {&program, &x11_floor, &qt_floor}) {
            Log(p->name + ", round " + std::to_string(round + 1));
            const CpuFigures f = MeasureCpu(session, *p);
            cpu[p->name].program += f.program / kCpuRounds;
            cpu[p->name].xserver += f.xserver / kCpuRounds;
            cpu[p->name].wm += f.wm / kCpuRounds;
        }
    }

    std::fprintf(stderr, "instructions per tick under callgrind\n");
    std::map<std::string, Instructions> ir;
    for (const Program* p : {&program, &x11_floor, &qt_floor}) {
        Log(p->name);
        ir[p->name] = MeasureInstructions(session, *p, out_dir);
    }

    std::fprintf(stderr, "paints and memory in process (tick_bench)\n");
    const std::string tick_out = (out_dir / "tick_bench.txt").string();
    if (Wait(Spawn({(here / "tick_bench").string()}, tick_out)) != 0)
        Fail("tick_bench failed");
    std::string paint_details;
    auto tick = KeyValues(ReadFile(tick_out), paint_details);

    std::fprintf(stderr, "readout benchmark\n");
    const std::string readout_out = (out_dir / "readout_bench.csv").string();
    Wait(Spawn({(here / "readout_bench").string(), "--benchmark_filter=SevenTogether",
                "--benchmark_format=csv"},
               readout_out));
    const double readout_ns = ReadoutNs(ReadFile(readout_out));

    auto pct = [](double v) { return Fmt("%.3f %%", v * 100); };
    auto us_per_tick = [](double v) { return Fmt("%.1f", v * kTickSeconds * 1e6); };
    auto ratio = [](double a, double b) { return b > 0 ? Fmt("%.2f", a / b) : std::string("–"); };
    const CpuFigures& cc = cpu["colvexa"];
    const CpuFigures& cx = cpu["x11_floor"];
    const CpuFigures& cq = cpu["qt_floor"];

    std::printf(
        "| Figure | Colvexa | X11 floor | Toolkit floor | Colvexa / toolkit floor | Goal |\n");
    std::printf("|---|---:|---:|---:|---:|---|\n");
    std::printf(
        "| Instructions per tick (callgrind) | %.0f | %.0f | %.0f | %s | ≤ 1.5 × toolkit floor |\n",
        ir["colvexa"].per_tick, ir["x11_floor"].per_tick, ir["qt_floor"].per_tick,
        ratio(ir["colvexa"].per_tick, ir["qt_floor"].per_tick).c_str());
    std::printf("| CPU per tick, program (µs) | %s | %s | %s | %s | |\n",
                us_per_tick(cc.program).c_str(), us_per_tick(cx.program).c_str(),
                us_per_tick(cq.program).c_str(), ratio(cc.program, cq.program).c_str());
    std::printf("| CPU per tick, X server (µs) | %s | %s | %s | %s | |\n",
                us_per_tick(cc.xserver).c_str(), us_per_tick(cx.xserver).c_str(),
                us_per_tick(cq.xserver).c_str(), ratio(cc.xserver, cq.xserver).c_str());
    std::printf("| Idle CPU, program (one core) | %s | %s | %s | %s | |\n", pct(cc.program).c_str(),
                pct(cx.program).c_str(), pct(cq.program).c_str(),
                ratio(cc.program, cq.program).c_str());
    std::printf("| Idle CPU, X server (one core) | %s | %s | %s | %s | |\n",
                pct(cc.xserver).c_str(), pct(cx.xserver).c_str(), pct(cq.xserver).c_str(),
                ratio(cc.xserver, cq.xserver).c_str());
    std::printf("| Idle CPU, program + X server | %s | %s | %s | %s | < 0.3 %% |\n",
                pct(cc.program + cc.xserver).c_str(), pct(cx.program + cx.xserver).c_str(),
                pct(cq.program + cq.xserver).c_str(),
                ratio(cc.program + cc.xserver, cq.program + cq.xserver).c_str());
    std::printf("| Idle CPU, window manager (one core) | %s | %s | %s | %s | |\n",
                pct(cc.wm).c_str(), pct(cx.wm).c_str(), pct(cq.wm).c_str(),
                ratio(cc.wm, cq.wm).c_str());
    std::printf("\n| Figure | Colvexa | Minimal Qt window | Colvexa / minimal | Goal |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    const double ms_c = Median(start_program.ms), ms_m = Median(start_minimal.ms);
    const double mb_c = Median(start_program.hwm_mb), mb_m = Median(start_minimal.hwm_mb);
    std::printf(
        "| Exec to mapped window (ms, median of %d) | %.1f | %.1f | %s | ≤ 1.5 × minimal |\n",
        kStartRuns, ms_c, ms_m, ratio(ms_c, ms_m).c_str());
    std::printf(
        "| Peak resident memory, VmHWM (MB, median) | %.1f | %.1f | %s | ≤ 1.2 × minimal |\n", mb_c,
        mb_m, ratio(mb_c, mb_m).c_str());
    std::printf("\n| Figure | Colvexa | Goal |\n|---|---:|---|\n");
    std::printf("| Paint events, 1,000 unchanged ticks | %s | 0 |\n",
                tick["paints_unchanged"].c_str());
    std::printf(
        "| Paint events, 1,000 changing ticks | %s (expected %s, %s beyond) | one per changed "
        "label and the swatch |\n",
        tick["paints_changing"].c_str(), tick["paints_changing_expected"].c_str(),
        tick["paints_changing_beyond"].c_str());
    const long rss1 = std::stol("0" + tick["rss_1k_kb"]),
               rss10 = std::stol("0" + tick["rss_10k_kb"]),
               rss100 = std::stol("0" + tick["rss_100k_kb"]);
    std::printf(
        "| Resident memory after 1,000 / 10,000 / 100,000 ticks (kB) | %ld / %ld / %ld (%+ld) | no "
        "growth |\n",
        rss1, rss10, rss100, rss100 - rss1);
    std::printf("| Seven colour readouts, ns per colour (readout_bench) | %.0f | < 150 |\n",
                readout_ns);
    std::printf(
        "\nTicks counted under callgrind (short / long span): colvexa %ld / %ld, x11_floor %ld / "
        "%ld, "
        "qt_floor %ld / %ld. Callgrind dumps in %s.\n",
        ir["colvexa"].ticks_short, ir["colvexa"].ticks_long, ir["x11_floor"].ticks_short,
        ir["x11_floor"].ticks_long, ir["qt_floor"].ticks_short, ir["qt_floor"].ticks_long,
        out_dir.c_str());
    std::printf("%s", paint_details.c_str());
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "system_bench: %s\n", e.what());
    return 1;
}
