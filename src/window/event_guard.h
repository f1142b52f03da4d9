// Runs one event handler so that a failing step ends that event only: the
// failure never travels on into the window system, and the program goes on.
#pragma once

#include <exception>
#include <utility>

namespace window {

template <class Handler>
void runEvent(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception&) {
        // The rest of the event is skipped; nothing else is undone.
    }
}

}  // namespace window
