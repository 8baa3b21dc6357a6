#include "objects/ObjectPool.h"

#include <sanitizer/asan_interface.h>

// A slot given back stays poisoned for the address sanitizer until it is
// handed out again, so that a use after delete is still caught.
void* cObjectPool::allocate()
{
    void* slot = nullptr;
    if (!released.empty()) {
        slot = released.back();
        released.pop_back();
    } else {
        if (usedInLastBlock == SLOTS_PER_BLOCK) {
            blocks.emplace_back(new unsigned char[slotSize * SLOTS_PER_BLOCK]);
            ASAN_POISON_MEMORY_REGION(blocks.back().get(), slotSize * SLOTS_PER_BLOCK);
            usedInLastBlock = 0;
        }
        slot = blocks.back().get() + slotSize * usedInLastBlock++;
    }
    ASAN_UNPOISON_MEMORY_REGION(slot, slotSize);
    return slot;
}

void cObjectPool::release(void* slot)
{
    if (slot == nullptr) {
        return;
    }
    ASAN_POISON_MEMORY_REGION(slot, slotSize);
    released.push_back(slot);
}
