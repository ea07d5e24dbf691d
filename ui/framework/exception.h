#pragma once

#include <stdexcept>
#include <string>

namespace colvexa::ui {

// What the application object shows in its error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Ends a handler quietly: the application object drops it without a message.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

}  // namespace colvexa::ui
