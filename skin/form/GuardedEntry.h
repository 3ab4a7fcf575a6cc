#pragma once

#include <type_traits>

namespace veyra {

// How many exceptions the engine's entry boundaries have stopped since the
// process started; tests read it to know a throw was met and held.
long StoppedExceptions();
// Counts one stopped exception (the boundary's own bookkeeping).
void NoteStoppedException();

// The one boundary at every entry from the platform into the engine (a
// window procedure, a framework message hook, a hook or timer callback):
// nothing thrown below crosses it. Runs body and answers its result; when it
// throws, answers fallback() instead, which must say what the platform gets
// for the failed call (the previous handler's answer if it was not called
// yet, else the answer it already gave, so that no message goes twice).
// A fallback that throws too answers a zero result.
template <class Body, class Fallback>
auto GuardedEntry(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    using TResult = decltype(body());
    try {
        return body();
    } catch (...) {
        NoteStoppedException();
    }
    try {
        return fallback();
    } catch (...) {
        NoteStoppedException();
    }
    if constexpr (!std::is_void_v<TResult>)
        return TResult{};
}

// GuardedEntry for an entry whose failure needs no answer.
template <class Body> void GuardedEntry(Body&& body) noexcept {
    GuardedEntry(static_cast<Body&&>(body), [] {});
}

} // namespace veyra
