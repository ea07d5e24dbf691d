#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace colvexa::test {
namespace {

std::string FindOnPath(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return program;
    }
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) {
            end = dirs.size();
        }
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    throw std::runtime_error(program + " is not installed (not found on PATH)");
}

void CloseRange(unsigned first, unsigned last) {
    if (first <= last) {
        syscall(SYS_close_range, first, last, 0u);
    }
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options)
    : name_(argv.at(0)) {
    const std::string path = FindOnPath(argv[0]);
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    const int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null_fd < 0) {
        throw std::runtime_error("cannot open /dev/null: " + std::string(std::strerror(errno)));
    }
    const int output_fd = options.output_fd >= 0 ? options.output_fd : null_fd;
    const int keep_fd = options.inherited_fd;
    const pid_t parent = getpid();

    pid_ = fork();
    if (pid_ == 0) {
        // Only async-signal-safe calls from here to exec.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(127);
        }
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        dup2(null_fd, 0);
        dup2(output_fd, 1);
        dup2(output_fd, 2);
        if (keep_fd > 2) {
            CloseRange(3, static_cast<unsigned>(keep_fd) - 1);
            CloseRange(static_cast<unsigned>(keep_fd) + 1, ~0u);
            fcntl(keep_fd, F_SETFD, 0);
        } else {
            CloseRange(3, ~0u);
        }
        execv(path.c_str(), args.data());
        _exit(127);
    }
    const int fork_errno = errno;
    close(null_fd);
    if (pid_ < 0) {
        throw std::runtime_error("cannot start " + name_ + ": " + std::strerror(fork_errno));
    }
}

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        if (WIFEXITED(status)) {
            exit_code_ = WEXITSTATUS(status);
        }
        return false;
    }
    return true;
}

void ChildProcess::Stop(std::chrono::milliseconds grace) {
    if (pid_ <= 0) {
        return;
    }
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

}  // namespace colvexa::test
