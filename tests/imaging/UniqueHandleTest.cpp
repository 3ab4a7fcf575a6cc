#include <gtest/gtest.h>

#include <type_traits>
#include <utility>
#include <vector>

#include "skin/imaging/UniqueHandle.h"

namespace veyra {
namespace {

// Handles are ints whose "none" is -1, so that 0 is a real handle, as a
// file descriptor or an INVALID_HANDLE_VALUE-style handle would be.
struct CountingDeleter {
    static constexpr int Null = -1;
    static inline std::vector<int> Freed;
    void operator()(int handle) const { Freed.push_back(handle); }
};
using Owned = UniqueHandle<int, CountingDeleter>;

static_assert(!std::is_copy_constructible_v<Owned> && !std::is_copy_assignable_v<Owned>);
static_assert(std::is_nothrow_move_constructible_v<Owned> &&
              std::is_nothrow_move_assignable_v<Owned>);

TEST(UniqueHandle, FreesEachHandleOnceWhereverItIsMovedResetOrReleased) {
    std::vector<int>& freed = CountingDeleter::Freed;
    freed.clear();
    {
        const Owned none;
        EXPECT_FALSE(none);
        EXPECT_EQ(none.Get(), -1);
        const Owned zero(0);
        EXPECT_TRUE(zero) << "only Null means no handle";

        Owned a(1);
        Owned b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 1) << "move construction hands the handle over";
        Owned c(2);
        c = std::move(b);
        EXPECT_EQ(freed, std::vector<int>{2}) << "move assignment frees what the target held";
        EXPECT_EQ(c.Get(), 1);
        EXPECT_FALSE(b);
        Owned& same = c;
        c = std::move(same);
        EXPECT_EQ(c.Get(), 1) << "moving into itself keeps the handle";

        c.Reset(3);
        EXPECT_EQ(freed, (std::vector<int>{2, 1}));
        c.Reset(3);
        EXPECT_EQ(freed, (std::vector<int>{2, 1})) << "taking the handle held frees nothing";

        EXPECT_EQ(c.Release(), 3);
        EXPECT_FALSE(c);
        c.Reset();
        EXPECT_EQ(freed, (std::vector<int>{2, 1})) << "a released handle is the caller's";
    }
    EXPECT_EQ(freed, (std::vector<int>{2, 1, 0}))
        << "going out of scope frees what is held, and only that";
}

} // namespace
} // namespace veyra
