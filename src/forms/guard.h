// Code that Qt calls (an event, a signal, a timer tick) runs through here: a
// failing handler ends its event at this point, since Qt cannot carry an
// exception, and the program goes on. Handlers that code starts (a value set
// in code runs Click or Change) are not guarded: their failure goes to the
// code that set the value, as any failing statement does.
#pragma once

#include <QtGlobal>
#include <exception>
#include <utility>

namespace forms {

template <class F>
void runFromQt(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        qWarning("lumadraw: an event handler failed: %s", e.what());
    }
}

}  // namespace forms
