// The slot arrays: growth one slot per add, shrinking, free-slot reuse and Reserve.
#include <gtest/gtest.h>

#include <vector>

#include "slot_array.h"

namespace {

// Distinct, never dereferenced item pointers.
std::vector<int> itemStore(100000);
void* Item(int i) {
    return &itemStore[static_cast<std::size_t>(i)];
}

void AddItems(CountedSlotArray& array, int n) {
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(array.Add(Item(i)), i);
    }
}

TEST(CountedSlotArray, AddAppendsOneSlotPerItem) {
    CountedSlotArray array(0);
    EXPECT_EQ(array.slots, nullptr);
    EXPECT_EQ(array.slotCount, 0);
    EXPECT_EQ(array.count, 0);
    AddItems(array, 3);
    EXPECT_EQ(array.slotCount, 3);
    EXPECT_EQ(array.count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(array.slots[i], Item(i));
    }
}

TEST(CountedSlotArray, ManyAddsKeepEveryItemInOrder) {
    CountedSlotArray array(0);
    AddItems(array, 100000);
    ASSERT_EQ(array.slotCount, 100000);
    ASSERT_EQ(array.count, 100000);
    for (int i = 0; i < 100000; ++i) {
        ASSERT_EQ(array.slots[i], Item(i)) << i;
    }
}

TEST(CountedSlotArray, ShrinkingKeepsTheFirstItemsAndCountFollows) {
    CountedSlotArray array(0);
    AddItems(array, 5);
    ASSERT_TRUE(array.Resize(2));
    EXPECT_EQ(array.slotCount, 2);
    EXPECT_EQ(array.count, 2);
    EXPECT_EQ(array.slots[0], Item(0));
    EXPECT_EQ(array.slots[1], Item(1));

    ASSERT_TRUE(array.Resize(0));
    EXPECT_EQ(array.slots, nullptr);
    EXPECT_EQ(array.slotCount, 0);
    EXPECT_EQ(array.count, 0);
}

TEST(CountedSlotArray, GrowingAfterShrinkingGivesFreeSlots) {
    CountedSlotArray array(0);
    AddItems(array, 8);
    ASSERT_TRUE(array.Resize(3));
    ASSERT_TRUE(array.Resize(6));
    EXPECT_EQ(array.count, 3);
    EXPECT_EQ(array.slots[2], Item(2));
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(array.slots[i], nullptr) << i;
    }
    EXPECT_EQ(array.Add(Item(9)), 3);
    EXPECT_EQ(array.slotCount, 6);
}

TEST(CountedSlotArray, ResizeToTheSameSizeChangesNothing) {
    CountedSlotArray empty(0);
    EXPECT_TRUE(empty.Resize(0));
    EXPECT_EQ(empty.slots, nullptr);
    EXPECT_EQ(empty.slotCount, 0);

    CountedSlotArray array(0);
    AddItems(array, 3);
    void** before = array.slots;
    EXPECT_TRUE(array.Resize(3));
    EXPECT_EQ(array.slots, before);
    EXPECT_EQ(array.slotCount, 3);
    EXPECT_EQ(array.count, 3);
}

TEST(CountedSlotArray, AddFillsTheFirstFreeSlot) {
    CountedSlotArray array(0);
    AddItems(array, 3);
    array.slots[1] = nullptr;  // the item in slot 1 is taken out
    --array.count;
    EXPECT_EQ(array.Add(Item(7)), 1);
    EXPECT_EQ(array.slots[1], Item(7));
    EXPECT_EQ(array.slotCount, 3);
    EXPECT_EQ(array.count, 3);
}

TEST(CountedSlotArray, ConstructedWithSlotsAddsIntoThem) {
    CountedSlotArray array(4);
    EXPECT_EQ(array.slotCount, 4);
    EXPECT_EQ(array.count, 0);
    EXPECT_EQ(array.Add(Item(0)), 0);
    EXPECT_EQ(array.Add(Item(1)), 1);
    EXPECT_EQ(array.slotCount, 4);
    EXPECT_EQ(array.count, 2);
}

TEST(CountedSlotArray, ResizeThroughTheBaseClassIsTheOverride) {
    CountedSlotArray array(0);
    AddItems(array, 3);
    SlotArray& base = array;
    ASSERT_TRUE(base.Resize(1));
    EXPECT_EQ(array.count, 1);
}

TEST(SlotArray, ReserveOnlyEverGrows) {
    CountedSlotArray array(0);
    AddItems(array, 3);
    void** before = array.slots;
    for (int n : {-1, 0, 2, 3}) {
        EXPECT_TRUE(array.Reserve(n));
        EXPECT_EQ(array.slots, before) << n;
        EXPECT_EQ(array.slotCount, 3) << n;
        EXPECT_EQ(array.slots[2], Item(2)) << n;
    }
    EXPECT_TRUE(array.Reserve(10));
    EXPECT_EQ(array.slotCount, 10);
    EXPECT_EQ(array.count, 3);  // Reserve leaves the count alone
}

}  // namespace
