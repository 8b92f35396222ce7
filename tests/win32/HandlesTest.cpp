// The handle owners: each handle is freed exactly once, whatever moves, resets and hand-overs
// happen on the way, and the value that means "none" is never freed.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "win32/Handles.h"

namespace mirvo::win32 {
namespace {

std::vector<int> g_freed;

// A handle kind whose empty value is not zero, so that 0 is a real handle.
struct CountedTraits {
    using Type = int;
    static Type Empty() { return -1; }
    static void Free(Type h) { g_freed.push_back(h); }
};
using Counted = UniqueHandle<CountedTraits>;

TEST(UniqueHandleTest, FreesEveryHandleOnceThroughMovesAndResets) {
    g_freed.clear();
    {
        Counted empty;
        EXPECT_FALSE(empty);
        Counted a(0);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 0);
        Counted c(2);
        c = std::move(b);  // the handle c held goes
        EXPECT_EQ(g_freed, std::vector<int>{2});
        Counted& same = c;
        c = std::move(same);
        EXPECT_EQ(c.Get(), 0) << "moving onto itself keeps the handle";
        c.Reset(3);
        EXPECT_EQ(g_freed, (std::vector<int>{2, 0}));
        EXPECT_EQ(c.Release(), 3);
        c.Reset(4);
    }
    EXPECT_EQ(g_freed, (std::vector<int>{2, 0, 4})) << "a released handle is not freed";
}

TEST(UniqueHandleTest, KernelHandleClosesOnceAndHoldsInvalidHandleValueAsNothing) {
    EXPECT_EQ(KernelHandle(INVALID_HANDLE_VALUE).Get(), nullptr);
    KernelHandle missing(CreateFileA("Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    missing.Reset(INVALID_HANDLE_VALUE);
    EXPECT_EQ(missing.Get(), nullptr);

    HANDLE raw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    DWORD flags = 0;
    {
        KernelHandle first(raw);
        KernelHandle second(std::move(first));
        first.Reset();
        EXPECT_TRUE(GetHandleInformation(raw, &flags)) << "the moved-from owner closed it";
    }
    EXPECT_FALSE(GetHandleInformation(raw, &flags));
}

TEST(UniqueHandleTest, FindHandleIsEmptyAfterAFailedSearch) {
    WIN32_FIND_DATAA data{};
    FindHandle none(FindFirstFileA("Z:\\no\\such\\folder\\*", &data));
    EXPECT_FALSE(none);
    EXPECT_EQ(FindHandle().Get(), INVALID_HANDLE_VALUE);
}

TEST(UniqueHandleTest, GlobalLockGuardUnlocksWhatItLocked) {
    GlobalBlock block(GMEM_MOVEABLE, 16);
    ASSERT_TRUE(block);
    {
        GlobalLockGuard lock(block.Get());
        ASSERT_TRUE(lock);
        EXPECT_GE(lock.Size(), 16u);
        EXPECT_EQ(GlobalFlags(block.Get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(GlobalFlags(block.Get()) & GMEM_LOCKCOUNT, 0u);
    GlobalLockGuard none(nullptr);
    EXPECT_FALSE(none);
    EXPECT_EQ(none.Size(), 0u);
}

}  // namespace
}  // namespace mirvo::win32
