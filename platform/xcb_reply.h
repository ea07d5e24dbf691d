#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace colvexa::platform {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// An XCB reply, freed with free() as XCB wants.
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Waits for the reply to a checked request. An error comes back here and is freed, so it
// never reaches an event queue or an error handler: Ask(c, xcb_query_pointer(c, root),
// xcb_query_pointer_reply) -> the reply, or none.
template <typename R, typename Cookie>
Reply<R> Ask(xcb_connection_t* c, Cookie cookie,
             R* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**)) {
    xcb_generic_error_t* error = nullptr;
    Reply<R> r(reply(c, cookie, &error));
    std::free(error);
    return r;
}

}  // namespace colvexa::platform
