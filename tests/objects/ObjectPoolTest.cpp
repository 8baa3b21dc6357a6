#include "objects/ObjectPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

constexpr std::size_t SLOT = 56;
// More than one block's worth.
constexpr int MANY = 600;

std::uintptr_t address(const void* slot) { return reinterpret_cast<std::uintptr_t>(slot); }

TEST(ObjectPoolTest, SlotsComeSideBySideAndTheLastGivenBackComesFirst)
{
    cObjectPool pool(SLOT);
    std::set<void*> slots;
    void* previous = pool.allocate();
    slots.insert(previous);
    int adjacent = 0;
    for (int i = 1; i < MANY; ++i) {
        void* slot = pool.allocate();
        adjacent += address(slot) == address(previous) + SLOT ? 1 : 0;
        slots.insert(slot);
        previous = slot;
    }
    EXPECT_EQ(slots.size(), static_cast<std::size_t>(MANY));
    // Only the first slot of each new block lies elsewhere.
    EXPECT_GE(adjacent, MANY - 3);

    void* first = *slots.begin();
    void* second = *slots.rbegin();
    pool.release(first);
    pool.release(second);
    EXPECT_EQ(pool.allocate(), second);
    EXPECT_EQ(pool.allocate(), first);
    EXPECT_NE(pool.allocate(), first);
}

#if defined(__SANITIZE_ADDRESS__)
TEST(ObjectPoolDeathTest, ASlotUsedAfterItWasGivenBackIsCaught)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    cObjectPool pool(SLOT);
    auto* slot = static_cast<volatile int*>(pool.allocate());
    *slot = 1;
    pool.release(const_cast<int*>(slot));
    EXPECT_DEATH(*slot = 2, "use-after-poison");
}
#endif

} // namespace
