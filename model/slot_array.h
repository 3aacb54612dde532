// A growable block of item pointers (SlotArray) and its counting variant (CountedSlotArray),
// which holds the binding list. The arrays own their slot storage, never the items.
#pragma once

#include <cstdint>

class SlotArray {
  public:
    SlotArray() = default;
    SlotArray(const SlotArray&) = delete;
    SlotArray& operator=(const SlotArray&) = delete;

    // Virtual in this order: Reserve, the destructor, Resize.
    virtual bool Reserve(std::int32_t n);
    virtual ~SlotArray();
    virtual bool Resize(std::int32_t n);

    void** slots = nullptr;  // slotCount item pointers; a null slot is free
    std::int32_t slotCount = 0;

  private:
    // Room allocated behind slots, at least slotCount. It grows geometrically so that adding a
    // slot at a time costs amortised constant time; the slots beyond slotCount are not slots.
    std::int32_t capacity = 0;
};

class CountedSlotArray : public SlotArray {
  public:
    explicit CountedSlotArray(std::int32_t initialSlots);
    ~CountedSlotArray() override;
    bool Resize(std::int32_t n) override;

    // Stores item in the first free slot, growing by one slot when there is none, and returns
    // that slot's index; -1 when the storage could not grow. A caller that empties a slot
    // lowers count with it: a full array (count == slotCount) is not searched for a free slot.
    std::int32_t Add(void* const& item);

    std::int32_t count = 0;  // items stored
};
