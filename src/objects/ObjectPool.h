#pragma once

#include <cstddef>
#include <memory>
#include <vector>

/// Room for objects of one size, side by side in blocks. The rules and the
/// sync visit every object in every tick, after the painting has pushed them
/// out of the processor's caches: packed together, each line fetched back
/// brings more than one of them.
class cObjectPool final {
public:
    explicit cObjectPool(std::size_t slotSize) : slotSize(slotSize) {}
    cObjectPool(const cObjectPool&) = delete;
    cObjectPool& operator=(const cObjectPool&) = delete;

    /// A slot: the one given back last, or the next never used.
    void* allocate();
    /// Takes a slot back for the next object.
    void release(void* slot);

private:
    static constexpr std::size_t SLOTS_PER_BLOCK = 256;

    std::size_t slotSize;
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    std::size_t usedInLastBlock = SLOTS_PER_BLOCK;
    std::vector<void*> released;
};
