#include "GuardedEntry.h"

namespace veyra {

namespace {
// One UI thread runs the engine; the count is only ever read by tests.
long gStopped = 0;
} // namespace

long StoppedExceptions() {
    return gStopped;
}

void NoteStoppedException() {
    ++gStopped;
}

} // namespace veyra
