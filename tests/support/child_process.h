#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace colvexa::test {

// A program run in the background for the life of the object. It gets SIGTERM when the
// thread that started it ends, so a crashed test leaves nothing behind either.
class ChildProcess {
public:
    struct Options {
        // Kept open in the child, everything else of ours is closed there.
        int inherited_fd = -1;
        // Where the child's stdout and stderr go; -1 for /dev/null.
        int output_fd = -1;
    };

    // Looks the program up on PATH; throws std::runtime_error when it cannot be started.
    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    // Stop().
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // True while the child has not exited; reaps it once it has.
    bool Running();
    // SIGTERM, then SIGKILL if it has not gone after the grace time; always reaps it.
    void Stop(std::chrono::milliseconds grace = std::chrono::seconds(5));
    // The exit code once Running() has seen the child exit by itself; nothing before that,
    // after a signal ended it, or after Stop() had to end it.
    std::optional<int> ExitCode() const { return exit_code_; }

    const std::string& Name() const { return name_; }

private:
    std::string name_;
    pid_t pid_ = -1;
    std::optional<int> exit_code_;
};

}  // namespace colvexa::test
