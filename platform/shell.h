#pragma once

#include <functional>
#include <string>

namespace colvexa::platform {

// The desktop's shell services the About window's link needs.
class Shell {
public:
    virtual ~Shell() = default;

    // Asks the desktop to open address with its default handler (a web address: the user's
    // browser). done(true) once that has succeeded, done(false) when it failed; done may run
    // before this returns. Shows no message of its own.
    virtual void OpenAddress(const std::string& address, std::function<void(bool)> done) = 0;

    // Offers the desktop's "open with" chooser for ".htm" files, where it has one.
    virtual void OpenWithChooserForHtm() = 0;
};

}  // namespace colvexa::platform
