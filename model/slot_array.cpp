// Slot storage for the binding list: grows one slot at a time and never holds spare slots.
#include "slot_array.h"

#include <cstdint>
#include <cstdlib>

namespace {

void NullSlots(void** first, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        first[i] = nullptr;
    }
}

}  // namespace

bool SlotArray::Reserve(std::int32_t n) {
    if (n <= 0 || slotCount >= n) {
        return true;
    }
    // Reserve does not keep the old contents: it only guarantees room.
    void** storage = static_cast<void**>(std::malloc(sizeof(void*) * static_cast<std::size_t>(n)));
    if (storage == nullptr) {
        return false;
    }
    std::free(slots);
    NullSlots(storage, n);
    slots = storage;
    slotCount = n;
    capacity = n;
    return true;
}

SlotArray::~SlotArray() {
    std::free(slots);
    slots = nullptr;
}

bool SlotArray::Resize(std::int32_t n) {
    if (n == slotCount) {
        return true;
    }
    if (n <= 0) {
        std::free(slots);
        slots = nullptr;
        slotCount = 0;
        capacity = 0;
        return true;
    }
    // The binding list grows one slot per binding; reallocating and copying every pointer each
    // time would make a long keys.cfg quadratic, so the room behind the slots doubles instead.
    // Shrinking gives the room back.
    std::int32_t room = n;
    if (n > slotCount && n <= capacity) {
        room = capacity;
    } else if (n > capacity && capacity > 0 && capacity <= INT32_MAX / 2 && n < capacity * 2) {
        room = capacity * 2;
    }
    if (room != capacity) {
        // realloc keeps the first min(n, slotCount) slots.
        void** storage = static_cast<void**>(
            std::realloc(slots, sizeof(void*) * static_cast<std::size_t>(room)));
        if (storage == nullptr) {
            return false;
        }
        slots = storage;
        capacity = room;
    }
    if (n > slotCount) {
        NullSlots(slots + slotCount, n - slotCount);
    }
    slotCount = n;
    return true;
}

CountedSlotArray::CountedSlotArray(std::int32_t initialSlots) {
    if (initialSlots != 0) {
        SlotArray::Resize(initialSlots);
    }
    count = 0;
}

CountedSlotArray::~CountedSlotArray() {
    std::free(slots);
    slots = nullptr;
}

bool CountedSlotArray::Resize(std::int32_t n) {
    if (!SlotArray::Resize(n)) {
        return false;
    }
    if (slotCount < count) {
        count = slotCount;
    }
    return true;
}

std::int32_t CountedSlotArray::Add(void* const& item) {
    for (std::int32_t i = 0; count < slotCount && i < slotCount; ++i) {
        if (slots[i] == nullptr) {
            slots[i] = item;
            ++count;
            return i;
        }
    }
    if (!Resize(slotCount + 1)) {
        return -1;
    }
    slots[slotCount - 1] = item;
    ++count;
    return slotCount - 1;
}
