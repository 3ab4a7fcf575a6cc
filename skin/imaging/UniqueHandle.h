#pragma once

// The one owner of every handle in the program: GDI objects, hooks, menus,
// icons, image lists, timers and files are each a UniqueHandle with their own
// deleter, so no code frees one of them by hand.

#include <utility>

#include "HandleCounts.h"

namespace veyra {

// Owns one handle and frees it exactly once, through Deleter: a stateless type
// with a member Null (the value that means "no handle") and a call operator
// that frees a handle other than Null.
//
//   struct FileDeleter {
//       static constexpr int Null = -1;
//       void operator()(int descriptor) const { close(descriptor); }
//   };
//   using FileHandle = UniqueHandle<int, FileDeleter>;
//
// A deleter with a member Kind (a THandleKind) has its handles counted while
// owned, in a counting build (see HandleCounts.h): a handle counts from the
// moment an owner takes it until it is freed or released.
//
// Move-only: moving hands the handle over and leaves Null behind.
template <typename Handle, typename Deleter> class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    // Takes ownership of handle (Null for none).
    explicit UniqueHandle(Handle handle) noexcept : Handle_(handle) { Count(handle, 1); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : Handle_(std::exchange(other.Handle_, Deleter::Null)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    // The handle held, still owned here (Null when none).
    Handle Get() const noexcept { return Handle_; }
    explicit operator bool() const noexcept { return Handle_ != Deleter::Null; }
    // Gives up ownership without freeing: the caller frees the handle, or
    // hands it to whoever takes it over (SetWindowRgn takes its region, a
    // parent menu its submenu).
    Handle Release() noexcept {
        Count(Handle_, -1);
        return std::exchange(Handle_, Deleter::Null);
    }
    // Frees the handle held and takes handle instead. Taking the handle
    // already held frees nothing: SetTimer with a live timer's id hands that
    // same id back.
    void Reset(Handle handle = Deleter::Null) noexcept {
        const Handle previous = std::exchange(Handle_, handle);
        if (previous == handle)
            return;
        Count(handle, 1);
        if (previous != Deleter::Null) {
            Count(previous, -1);
            Deleter{}(previous);
        }
    }

private:
    static void Count(Handle handle, int delta) noexcept {
        if constexpr (kCountingHandles && requires { Deleter::Kind; }) {
            if (handle != Deleter::Null)
                CountHandles(Deleter::Kind, delta);
        }
    }

    Handle Handle_ = Deleter::Null;
};

} // namespace veyra
